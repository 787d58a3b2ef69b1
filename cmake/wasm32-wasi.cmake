# SPDX-FileCopyrightText: 2026 The Kvelmor developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# WebAssembly with Debian's clang for WASI and its wasm32 C and C++ libraries
# (packages clang-N, lld-N, llvm-N, wasi-libc, libc++-N-dev-wasm32,
# libc++abi-N-dev-wasm32, libclang-rt-N-dev-wasm32): N is 16 on Debian 12 and
# 19 on Debian 13, the newest installed unless KVELMOR_WASI_LLVM says which.
set(CMAKE_SYSTEM_NAME WASI)
set(CMAKE_SYSTEM_PROCESSOR wasm32)
if(NOT KVELMOR_WASI_LLVM)
    file(GLOB installed LIST_DIRECTORIES true /usr/lib/llvm-*/lib/clang)
    list(SORT installed COMPARE NATURAL ORDER DESCENDING)
    foreach(dir IN LISTS installed)
        string(REGEX MATCH "llvm-([0-9]+)" found "${dir}")
        # A clang with its archiver and its WebAssembly runtime.
        file(GLOB runtime ${dir}/*/lib/wasi/libclang_rt.builtins-wasm32.a)
        if(EXISTS /usr/bin/clang++-${CMAKE_MATCH_1} AND EXISTS /usr/lib/llvm-${CMAKE_MATCH_1}/bin/llvm-ar
           AND runtime)
            set(KVELMOR_WASI_LLVM ${CMAKE_MATCH_1})
            break()
        endif()
    endforeach()
endif()
set(KVELMOR_WASI_LLVM ${KVELMOR_WASI_LLVM} CACHE STRING "The version of Debian's clang to build WebAssembly with")
set(llvm /usr/lib/llvm-${KVELMOR_WASI_LLVM})
set(CMAKE_C_COMPILER clang-${KVELMOR_WASI_LLVM})
set(CMAKE_CXX_COMPILER clang++-${KVELMOR_WASI_LLVM})
set(CMAKE_C_COMPILER_TARGET wasm32-wasi)
set(CMAKE_CXX_COMPILER_TARGET wasm32-wasi)
set(CMAKE_AR ${llvm}/bin/llvm-ar CACHE FILEPATH "")
set(CMAKE_RANLIB ${llvm}/bin/llvm-ranlib CACHE FILEPATH "")
# Debian's clang looks for the build machine's C++ library unless told where
# the WebAssembly one is.
file(GLOB resource_dir LIST_DIRECTORIES true ${llvm}/lib/clang/*/include)
set(wasi_includes "-nostdinc -isystem /usr/include/wasm32-wasi/c++/v1 -isystem ${resource_dir} -isystem /usr/include/wasm32-wasi")
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
