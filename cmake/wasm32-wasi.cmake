# SPDX-FileCopyrightText: 2026 The Kvelmor developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# WebAssembly with Debian's clang 16 for WASI and its wasm32 C and C++
# libraries (packages clang-16, lld-16, llvm-16, wasi-libc,
# libc++-16-dev-wasm32, libc++abi-16-dev-wasm32).
set(CMAKE_SYSTEM_NAME WASI)
set(CMAKE_SYSTEM_PROCESSOR wasm32)
set(CMAKE_C_COMPILER clang-16)
set(CMAKE_CXX_COMPILER clang++-16)
set(CMAKE_C_COMPILER_TARGET wasm32-wasi)
set(CMAKE_CXX_COMPILER_TARGET wasm32-wasi)
set(CMAKE_AR /usr/lib/llvm-16/bin/llvm-ar CACHE FILEPATH "")
set(CMAKE_RANLIB /usr/lib/llvm-16/bin/llvm-ranlib CACHE FILEPATH "")
# Debian's clang looks for the build machine's C++ library unless told where
# the WebAssembly one is.
set(wasi_includes "-nostdinc -isystem /usr/include/wasm32-wasi/c++/v1 -isystem /usr/lib/llvm-16/lib/clang/16/include -isystem /usr/include/wasm32-wasi")
set(CMAKE_C_FLAGS_INIT "${wasi_includes}")
set(CMAKE_CXX_FLAGS_INIT "${wasi_includes}")
# The flags above are the link's too, where they have nothing to do.
set(CMAKE_EXE_LINKER_FLAGS_INIT -Qunused-arguments)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_TRY_COMPILE_TARGET_TYPE STATIC_LIBRARY)

# Tests built for WASI run under Node, as they run under Wine for Windows.
find_program(KVELMOR_NODE node REQUIRED)
set(CMAKE_CROSSCOMPILING_EMULATOR ${KVELMOR_NODE} --experimental-wasi-unstable-preview1 --no-warnings
    ${CMAKE_CURRENT_LIST_DIR}/../tests/support/run_wasi.mjs)
