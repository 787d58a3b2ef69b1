// SPDX-FileCopyrightText: 2026 The Kvelmor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Asks the program's window for its UI Automation root, as a screen reader
// does first, so that Qt starts serving assistive technology; for the tests
// under Wine, where no screen reader runs.
//   uia_activate.exe

#include <windows.h>

// UiaRootObjectId; MinGW's header that defines it does not compile as C++.
constexpr LPARAM uiaRootObjectId = -25;

int main() {
    for (int attempt = 0; attempt < 300; ++attempt) {
        if (HWND window = FindWindowW(nullptr, L"Философия - Логика, везна и тежести")) {
            SendMessageW(window, WM_GETOBJECT, 0, uiaRootObjectId);
            return 0;
        }
        Sleep(100);
    }
    return 1;
}
