// SPDX-FileCopyrightText: 2026 The Kvelmor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "console.h"

#include <QString>

#include <windows.h>

namespace {

// Where text for the stream goes: the handle the program was given (a
// console, a file or a pipe), else the console of the command line that
// started it; none when there is neither.
HANDLE handleFor(std::FILE* stream) {
    const DWORD which = stream == stderr ? STD_ERROR_HANDLE : STD_OUTPUT_HANDLE;
    HANDLE handle = GetStdHandle(which);
    if (handle && handle != INVALID_HANDLE_VALUE)
        return handle;
    if (!AttachConsole(ATTACH_PARENT_PROCESS) && GetLastError() != ERROR_ACCESS_DENIED)
        return nullptr; // no console to attach to; denied means attached already
    handle = CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE,
                         FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        return nullptr;
    SetStdHandle(which, handle);
    return handle;
}

// A console takes the text as it is; a file or a pipe gets it as UTF-8.
bool write(HANDLE handle, const QString& text) {
    DWORD written = 0;
    DWORD mode = 0;
    if (GetConsoleMode(handle, &mode))
        return WriteConsoleW(handle, reinterpret_cast<const wchar_t*>(text.utf16()),
                             static_cast<DWORD>(text.size()), &written, nullptr);
    const QByteArray bytes = text.toUtf8();
    return WriteFile(handle, bytes.constData(), static_cast<DWORD>(bytes.size()), &written,
                     nullptr);
}

} // namespace

void printForUser(std::FILE* stream, const QString& text) {
    std::fflush(stream);
    if (HANDLE handle = handleFor(stream))
        write(handle, text);
}

void reportStartupFailure(const QString& text) {
    HANDLE handle = handleFor(stderr);
    if (handle && write(handle, text))
        return;
    // Without a console Qt has shown this one in a box of its own already.
    if (text.contains(QLatin1String("no Qt platform plugin could be initialized")))
        return;
    MessageBoxW(nullptr, reinterpret_cast<const wchar_t*>(text.utf16()), L"kvelmor",
                MB_OK | MB_ICONERROR);
}

StartupConsole::StartupConsole() : borrowed_(AttachConsole(ATTACH_PARENT_PROCESS)) {}

StartupConsole::~StartupConsole() {
    if (borrowed_)
        FreeConsole();
}
