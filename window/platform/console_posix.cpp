// SPDX-FileCopyrightText: 2026 The Kvelmor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "console.h"

#include <QString>

void printForUser(std::FILE* stream, const QString& text) {
    std::fputs(text.toLocal8Bit().constData(), stream);
}

void reportStartupFailure(const QString& text) {
    printForUser(stderr, text);
}

// A terminal program keeps the terminal it was started from.
StartupConsole::StartupConsole() = default;
StartupConsole::~StartupConsole() = default;
