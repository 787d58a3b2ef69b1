// SPDX-FileCopyrightText: 2026 The Kvelmor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// What a throw needs of the C++ runtime, where there is no unwinding: the
// thrown object's memory, and the end of the program with its message.

#include "no_exception_runtime.h"

#include <__verbose_abort>
#include <cstdlib>
#include <exception>
#include <typeinfo>

extern "C" void* __cxa_allocate_exception(std::size_t size) noexcept {
    return std::malloc(size);
}

extern "C" void __cxa_free_exception(void* thrown) noexcept {
    std::free(thrown);
}

// Everything the exercise throws is a std::exception, its first base.
extern "C" [[noreturn]] void __cxa_throw(void* thrown, std::type_info*, void (*)(void*)) {
    endWithUncaught(static_cast<const std::exception*>(thrown)->what());
}

// On their way to abort, the C++ library and its ABI library print to a
// standard error the page does not have: their message ends the program as
// an uncaught throw does, and C's stdio stays out of the module.
extern "C" [[noreturn]] void abort_message(const char* format, ...) {
    endWithUncaught(format);
}

_LIBCPP_BEGIN_NAMESPACE_STD
void __libcpp_verbose_abort(const char* format, ...) {
    endWithUncaught(format);
}
_LIBCPP_END_NAMESPACE_STD
