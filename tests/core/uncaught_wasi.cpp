// SPDX-FileCopyrightText: 2026 The Kvelmor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// As WebAssembly, a run-time error nothing expected ends the tests with its
// message, for whoever reads their output.

#include "no_exception_runtime.h"

#include <cstdio>
#include <cstdlib>

void endWithUncaught(const char* what) {
    std::fprintf(stderr, "uncaught run-time error: %s\n", what);
    std::abort();
}
