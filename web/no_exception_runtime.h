// SPDX-FileCopyrightText: 2026 The Kvelmor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Debian's WebAssembly C++ library has no exception runtime, so nothing
// thrown can be caught: a throw ends the program there, after this, which
// each program that links no_exception_runtime defines, is told what.
[[noreturn]] void endWithUncaught(const char* what);
