# SPDX-FileCopyrightText: 2026 The Kvelmor developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Shared by scripts/run and scripts/test: installs what is missing, then
# configures and builds into the folder given.
set -euo pipefail
cd "$(dirname "$0")/.."

# Runs a command as root, through sudo unless root already.
as_root() {
    if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

# Installs the Debian packages given that are not installed yet.
ensure_packages() {
    local missing=()
    for package in "$@"; do
        [ "$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null)" = 'install ok installed' ] ||
            missing+=("$package")
    done
    if [ ${#missing[@]} -gt 0 ]; then
        echo "Installing: ${missing[*]}"
        as_root apt-get update -qq
        as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends \
            "${missing[@]}" >/dev/null
    fi
}

build_packages=(cmake ninja-build g++ qt6-base-dev qt6-qpa-plugins libxcb1-dev fonts-liberation2 fontconfig)

# configure_and_build DIR [cmake options...]
configure_and_build() {
    local dir=$1
    shift
    cmake -S . -B "$dir" -G Ninja "$@" >/dev/null
    cmake --build "$dir"
}

# The tools that run at build time, built with the build machine's own Qt
# whatever the target: drawing the pictures.
build_host_tools() {
    cmake -S . -B build/host -G Ninja -DCMAKE_BUILD_TYPE=Release -DKVELMOR_TESTS=OFF \
        -DKVELMOR_BENCH=OFF >/dev/null
    cmake --build build/host --target draw_pictures >/dev/null
}

# The exercise in a browser: the core built as WebAssembly with Debian's
# clang for WASI (16 on Debian 12, 19 on Debian 13), the page made with Node,
# its font cut from Liberation Serif, its photograph packed as WebP.
web_packages() {
    local version
    for version in 16 19; do
        if [ -z "$(apt-cache policy "clang-$version" 2>/dev/null | sed -n 's/ *Candidate: //p' | grep -v none)" ]; then
            continue
        fi
        echo "clang-$version lld-$version llvm-$version libc++-$version-dev-wasm32 libc++abi-$version-dev-wasm32"
        echo "libclang-rt-$version-dev-wasm32 wasi-libc python3-fonttools python3-brotli webp"
        return 0
    done
    echo "Neither clang-16 nor clang-19 is in Debian's archive as this machine knows it." >&2
    return 1
}

# Node.js, and with "npm" its package manager: Debian's, unless the machine
# has them already. Another maker's nodejs package carries its own npm, and
# Debian's npm package cannot be installed beside it.
node_packages() {
    command -v node >/dev/null || echo nodejs
    if [ "${1:-}" = npm ] && ! command -v npm >/dev/null; then echo npm; fi
}

# The archive's lists, on a machine that has never read them.
ensure_package_lists() {
    [ -n "$(ls /var/lib/apt/lists/*_Packages 2>/dev/null)" ] || as_root apt-get update -qq
}
