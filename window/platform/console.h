// SPDX-FileCopyrightText: 2026 The Kvelmor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdio>

class QString;

// Text for the person at a command line, on stdout or stderr. A Windows
// program of the graphical subsystem has no console of its own: there it
// writes to the console of the command line that started it, if any.
void printForUser(std::FILE* stream, const QString& text);

// Why the program could not start. Where nobody would see it on a command
// line (a Windows program started from its icon), it shows a message box.
void reportStartupFailure(const QString& text);

// Held while Qt starts. On Windows the program borrows the console of the
// command line that started it, if any, so that Qt leaves a failure to be
// told there rather than in a message box of its own; it gives the console
// back once Qt is up, so that closing that console does not end the program.
class StartupConsole {
  public:
    StartupConsole();
    ~StartupConsole();
    StartupConsole(const StartupConsole&) = delete;
    StartupConsole& operator=(const StartupConsole&) = delete;

  private:
    bool borrowed_ = false;
};
