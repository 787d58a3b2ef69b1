# SPDX-FileCopyrightText: 2026 The Kvelmor developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Sourced after common.sh by scripts/windows and scripts/test: builds the
# program for 64-bit Windows. Its Qt is a static Qt built with MinGW-w64 from
# Debian's own qt6-base source of the host Qt's version, once, into a cache
# folder named by that version and the options; every later run reuses it.

windows_packages=(cmake ninja-build g++ qt6-base-dev qt6-base-dev-tools g++-mingw-w64-x86-64-posix
    dpkg-dev xz-utils nsis)

# What the program does not use stays out; the libraries Qt bundles are built
# in, so that the executable needs no DLL beside it. Debian's tarball has no
# Wintab sources (tablet events), and without OpenGL the Windows platform
# plugin compiles only with dynamic GL off too.
windows_qt_options=(-DBUILD_SHARED_LIBS=OFF -DCMAKE_BUILD_TYPE=Release
    -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF
    -DFEATURE_system_zlib=OFF -DFEATURE_system_png=OFF -DFEATURE_system_freetype=OFF
    -DFEATURE_system_harfbuzz=OFF -DFEATURE_system_pcre2=OFF -DFEATURE_zstd=OFF
    -DFEATURE_network=OFF -DFEATURE_sql=OFF -DFEATURE_xml=OFF -DFEATURE_dbus=OFF
    -DFEATURE_printsupport=OFF -DFEATURE_concurrent=OFF -DFEATURE_testlib=OFF
    -DFEATURE_opengl=OFF -DINPUT_opengl=no -DFEATURE_dynamicgl=OFF -DFEATURE_vulkan=OFF
    -DFEATURE_jpeg=OFF -DFEATURE_gif=OFF -DFEATURE_icu=OFF -DFEATURE_tabletevent=OFF)

# The folder of the static Qt; set by ensure_windows_qt.
windows_qt=

# Fetches Debian's source of qt6-base VERSION into DIR, through a private apt
# configuration that adds deb-src entries for the machine's own archive and
# leaves the machine's apt set-up as it was.
fetch_qt_source() {
    local version=$1 dir=$2
    local apt=$dir/apt
    mkdir -p "$apt/parts" "$apt/lists/partial" "$apt/cache/archives/partial"
    local file
    for file in /etc/apt/sources.list.d/*.sources; do
        [ -e "$file" ] && sed 's/^Types:.*/Types: deb-src/' "$file" >"$apt/parts/$(basename "$file")"
    done
    for file in /etc/apt/sources.list /etc/apt/sources.list.d/*.list; do
        [ -e "$file" ] && sed -n 's/^deb \(.*\)/deb-src \1/p' "$file" >>"$apt/parts/from-lists.list"
    done
    local private=(-o Dir::Etc::SourceList=/dev/null -o Dir::Etc::SourceParts="$apt/parts"
        -o Dir::State::Lists="$apt/lists" -o Dir::Cache="$apt/cache" -o APT::Sandbox::User=root)
    apt-get "${private[@]}" update -qq
    (cd "$dir" && apt-get "${private[@]}" source -qq "qt6-base=$version" >/dev/null)
    rm -rf "$apt"
}

# The components of Qt's source that a static Widgets program links in, whose
# notices must go with it.
qt_linked_components="src/corelib/text src/corelib/kernel src/corelib/tools src/gui/painting src/gui/text
    src/3rdparty/zlib src/3rdparty/libpng src/3rdparty/freetype src/3rdparty/harfbuzz-ng src/3rdparty/pcre2
    src/3rdparty/double-conversion src/3rdparty/md4c src/3rdparty/easing src/3rdparty/icc src/3rdparty/md4
    src/3rdparty/md5 src/3rdparty/sha1 src/3rdparty/sha3 src/3rdparty/rfc6234 src/3rdparty/blake2
    src/3rdparty/tinycbor"

# Writes Qt's own licences and, for each component linked in, its
# attribution and licence texts, as Qt's source states them.
write_qt_notices() {
    local source=$1 version=$2 out=$3
    {
        echo "Qt $version (Debian's qt6-base source package $version), used under the"
        echo "GNU Lesser General Public License version 3 (below) or the GNU GPL version 3."
        echo
        cat "$source/LICENSES/LGPL-3.0-only.txt"
        local component file
        for component in $qt_linked_components; do
            echo
            echo "======== $component ========"
            cat "$source/$component/qt_attribution.json"
            for file in $(sed -n 's/.*"LicenseFile": *"\([^"]*\)".*/\1/p' \
                "$source/$component/qt_attribution.json" | sort -u); do
                echo
                echo "-------- $component/$file --------"
                cat "$source/$component/$file"
            done
        done
    } >"$out"
}

ensure_windows_qt() {
    local version
    version=$(dpkg-query -W -f='${Version}' qt6-base-dev)
    local toolchain
    toolchain=$(x86_64-w64-mingw32-g++-posix -dumpfullversion)
    local id
    id=$(printf '%s\n' "$version" "$toolchain" "${windows_qt_options[@]}" | sha256sum | cut -c1-10)
    local cache=${KVELMOR_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/kvelmor}
    windows_qt=$cache/qt-${version}-mingw-w64-static-$id
    [ -e "$windows_qt/.complete" ] && return 0

    local started=$SECONDS
    echo "Building Qt $version for Windows (MinGW-w64 $toolchain, static) once, into"
    echo "  $windows_qt"
    echo "from Debian's qt6-base source. This first time takes about 45 minutes on two cores;"
    echo "every later run reuses it."
    # A fixed place, so that the same sources give the same Qt on every machine.
    local work=$cache/qt-build
    rm -rf "$work" "$windows_qt"
    mkdir -p "$work"
    fetch_qt_source "$version" "$work"
    local source
    source=$(find "$work" -mindepth 1 -maxdepth 1 -type d -name 'qt6-base-*')
    echo "Configuring Qt..."
    cmake -S "$source" -B "$work/build" -G Ninja -Wno-dev \
        -DCMAKE_TOOLCHAIN_FILE="$PWD/cmake/mingw-w64-x86_64.cmake" \
        -DCMAKE_INSTALL_PREFIX="$windows_qt" \
        -DCMAKE_CXX_FLAGS="-ffile-prefix-map=$source=qtbase -ffile-prefix-map=$work/build=qtbase" \
        -DCMAKE_C_FLAGS="-ffile-prefix-map=$source=qtbase -ffile-prefix-map=$work/build=qtbase" \
        -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/$(gcc -print-multiarch)/cmake \
        "${windows_qt_options[@]}" >"$work/configure.log" ||
        { tail -n 40 "$work/configure.log"; return 1; }
    echo "Building Qt..."
    cmake --build "$work/build" >"$work/build.log" || { tail -n 40 "$work/build.log"; return 1; }
    cmake --install "$work/build" >/dev/null
    write_qt_notices "$source" "$version" "$windows_qt/qt-notices.txt"
    {
        echo "Qt: Debian's source package qt6-base $version (apt-get source qt6-base=$version,"
        echo "also at https://snapshot.debian.org/package/qt6-base/${version/+/%2B}/), built by"
        echo "scripts/windows_build.sh with MinGW-w64 g++ $toolchain (Debian's g++-mingw-w64-x86-64-posix)"
        echo "and these CMake options:"
        printf '    %s\n' "${windows_qt_options[@]}"
    } >"$windows_qt/qt-build-info.txt"
    touch "$windows_qt/.complete"
    rm -rf "$work"
    echo "Qt for Windows is ready after $(((SECONDS - started) / 60)) minutes."
}

# build_for_windows DIR [cmake options...]: the program for Windows in DIR.
build_for_windows() {
    local dir=$1
    shift
    ensure_windows_qt
    # The pictures are drawn by the build machine's own tool.
    cmake -S . -B build/host -G Ninja -DCMAKE_BUILD_TYPE=Release -DKVELMOR_TESTS=OFF \
        -DKVELMOR_BENCH=OFF >/dev/null
    cmake --build build/host --target draw_pictures >/dev/null
    configure_and_build "$dir" -DCMAKE_TOOLCHAIN_FILE="$windows_qt/lib/cmake/Qt6/qt.toolchain.cmake" \
        -DQT_CHAINLOAD_TOOLCHAIN_FILE="$PWD/cmake/mingw-w64-x86_64.cmake" \
        -DKVELMOR_HOST_TOOLS="$PWD/build/host/resources" -DKVELMOR_BENCH=OFF \
        -DKVELMOR_QT_NOTICES="$windows_qt/qt-notices.txt" \
        -DKVELMOR_QT_BUILD_INFO="$windows_qt/qt-build-info.txt" "$@"
}
