// SPDX-FileCopyrightText: 2026 The Kvelmor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <gtest/gtest.h>

// Debian's WebAssembly C++ library has no exception runtime: there a throw
// ends the whole program, as a run-time error ends the page's exercise, so
// a test that expects one to be caught cannot run and says so.
#if defined(__wasi__)
#define SKIP_UNLESS_CATCHABLE()                                                                    \
    GTEST_SKIP() << "nothing thrown can be caught in this WebAssembly build"
#else
#define SKIP_UNLESS_CATCHABLE() static_cast<void>(0)
#endif
