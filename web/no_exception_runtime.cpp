// SPDX-FileCopyrightText: 2026 The Kvelmor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Debian's WebAssembly C++ library has no exception runtime, so nothing
// thrown can be caught in the module. A run-time error of the exercise ends
// it as the window's message box does: the module hands its report to the
// page, then stops; the page shows the report and takes no more input.

#include "texts.h"

#include <cstdlib>
#include <exception>
#include <string>
#include <typeinfo>

extern "C" __attribute__((import_module("env"), import_name("kv_failed"))) void
kvFailed(const char* report, int length);

extern "C" void* __cxa_allocate_exception(std::size_t size) noexcept {
    return std::malloc(size);
}

extern "C" void __cxa_free_exception(void* thrown) noexcept {
    std::free(thrown);
}

// Everything the exercise throws is a std::exception, its first base.
extern "C" [[noreturn]] void __cxa_throw(void* thrown, std::type_info*, void (*)(void*)) {
    const std::string report =
        toUtf8(failureReport(static_cast<const std::exception*>(thrown)->what()));
    kvFailed(report.data(), static_cast<int>(report.size()));
    __builtin_trap();
}
