// SPDX-FileCopyrightText: 2026 The Kvelmor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "console.h"

#include <optional>

// Answers --help and --version and rejects unknown options, all before any
// display is needed. Returns the exit status when the program ends here:
// 0 after help or version, 2 after an unknown option or argument. Qt's own
// options, such as -platform, pass through to the application.
std::optional<int> answerCommandLine(int argc, char** argv);

// Held while the application connects to its display. Where there is none,
// Qt would abort with advice to reinstall; this ends the program with one
// clear sentence and status 1 instead. Any other failure to start (a
// mistyped -platform, a missing plugin) ends it with status 1 and what Qt
// said of it. Qt's messages of the connection are passed on once it succeeded.
class GraphicalSessionCheck {
  public:
    GraphicalSessionCheck();
    ~GraphicalSessionCheck();
    GraphicalSessionCheck(const GraphicalSessionCheck&) = delete;
    GraphicalSessionCheck& operator=(const GraphicalSessionCheck&) = delete;

  private:
    StartupConsole console_;
};
