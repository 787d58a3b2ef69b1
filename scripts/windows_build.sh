# SPDX-FileCopyrightText: 2026 The Kvelmor developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Sourced after common.sh by scripts/windows and scripts/test: builds the
# program for 64-bit Windows. Its Qt is a static Qt built with MinGW-w64 from
# Debian's own qt6-base source of the host Qt's version, once, into a cache
# folder named by that version and the options; every later run reuses it.

windows_packages=(cmake ninja-build g++ qt6-base-dev qt6-base-dev-tools g++-mingw-w64-x86-64-posix
    dpkg-dev xz-utils nsis zip)

# What the program does not use stays out; the libraries Qt bundles are built
# in, so that the executable needs no DLL beside it. Debian's tarball has no
# Wintab sources (tablet events), and without OpenGL the Windows platform
# plugin compiles only with dynamic GL off too. Of the plugins only the
# Windows platform is built: the program draws in Qt's own Windows style,
# with Windows' own font engines (DirectWrite's needs the Direct2D feature,
# not its platform plugin), and reads no picture file; of the widgets and
# text formats, none that the program never shows, but those that Qt's
# compatibility code always includes (main window, menus, file dialog).
windows_qt_options=(-DBUILD_SHARED_LIBS=OFF -DCMAKE_BUILD_TYPE=Release
    -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF
    -DFEATURE_system_zlib=OFF -DFEATURE_system_png=OFF -DFEATURE_system_freetype=OFF
    -DFEATURE_system_harfbuzz=OFF -DFEATURE_system_pcre2=OFF -DFEATURE_zstd=OFF
    -DFEATURE_network=OFF -DFEATURE_sql=OFF -DFEATURE_xml=OFF -DFEATURE_dbus=OFF
    -DFEATURE_printsupport=OFF -DFEATURE_concurrent=OFF -DFEATURE_testlib=OFF
    -DFEATURE_opengl=OFF -DINPUT_opengl=no -DFEATURE_dynamicgl=OFF -DFEATURE_vulkan=OFF
    -DFEATURE_jpeg=OFF -DFEATURE_gif=OFF -DFEATURE_icu=OFF -DFEATURE_tabletevent=OFF
    -DFEATURE_direct2d1_1=OFF -DFEATURE_freetype=OFF -DFEATURE_ico=OFF
    -DFEATURE_style_windowsvista=OFF -DFEATURE_style_windows11=OFF -DFEATURE_style_fusion=OFF
    -DFEATURE_style_stylesheet=OFF -DFEATURE_graphicsview=OFF -DFEATURE_graphicseffect=OFF
    -DFEATURE_mdiarea=OFF -DFEATURE_dockwidget=OFF
    -DFEATURE_calendarwidget=OFF -DFEATURE_datetimeedit=OFF -DFEATURE_textbrowser=OFF
    -DFEATURE_splashscreen=OFF -DFEATURE_lcdnumber=OFF -DFEATURE_dial=OFF
    -DFEATURE_fontcombobox=OFF -DFEATURE_keysequenceedit=OFF -DFEATURE_colordialog=OFF
    -DFEATURE_fontdialog=OFF -DFEATURE_inputdialog=OFF
    -DFEATURE_errormessage=OFF -DFEATURE_wizard=OFF -DFEATURE_undoview=OFF -DFEATURE_columnview=OFF
    -DFEATURE_tableview=OFF -DFEATURE_tablewidget=OFF -DFEATURE_treewidget=OFF
    -DFEATURE_datawidgetmapper=OFF -DFEATURE_syntaxhighlighter=OFF -DFEATURE_commandlinkbutton=OFF
    -DFEATURE_toolbox=OFF -DFEATURE_progressdialog=OFF -DFEATURE_pdf=OFF -DFEATURE_textodfwriter=OFF
    -DFEATURE_textmarkdownreader=OFF -DFEATURE_textmarkdownwriter=OFF -DFEATURE_movie=OFF
    -DFEATURE_systemtrayicon=OFF -DFEATURE_undocommand=OFF -DFEATURE_sessionmanager=OFF)

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
    apt-get "${private[@]}" update -qq >"$dir/apt.log" 2>&1 ||
        { tail -n 20 "$dir/apt.log"; echo "Could not read the source lists of Debian's archive."; return 1; }
    # Read whole before it is searched: grep -q in a pipe may leave early, and
    # apt-cache would then die of a broken pipe.
    local records
    records=$(apt-cache "${private[@]}" -o APT::Cache::Only-Source=1 showsrc qt6-base 2>>"$dir/apt.log") || true
    if ! grep -qxF "Version: $version" <<<"$records"; then
        echo "Debian's archive no longer has the source of qt6-base $version: upgrade qt6-base-dev"
        echo "(sudo apt-get install --only-upgrade qt6-base-dev) and run this again."
        return 1
    fi
    (cd "$dir" && apt-get "${private[@]}" source -qq "qt6-base=$version" >>"$dir/apt.log" 2>&1) ||
        { tail -n 20 "$dir/apt.log"; echo "Could not fetch the source of qt6-base $version."; return 1; }
    rm -rf "$apt" "$dir/apt.log"
}

# The parts of Qt's source with notices of their own that this configuration
# does not build (other platforms, modules left out), by path; every other
# part's notices go with the program.
qt_parts_left_out='/tests/|/src/(dbus|network|sql|testlib|xml|concurrent|printsupport|opengl|openglwidgets)/|'\
'/src/gui/(opengl|vulkan)/|/src/plugins/platforms/(cocoa|ios|android|wasm|xcb)/|'\
'/src/3rdparty/(VulkanMemoryAllocator|android|forkfd|freetype|gradle|libjpeg|libpsl|md4c|wasm|xcb)/'

# Writes Qt's own licence and, for each part of its source built in, the
# part's attribution and licence texts, as Qt's source states them.
write_qt_notices() {
    local source=$1 version=$2 out=$3
    {
        echo "Qt $version (Debian's qt6-base source package $version), used under the"
        echo "GNU Lesser General Public License version 3 (below) or the GNU GPL version 3."
        echo
        cat "$source/LICENSES/LGPL-3.0-only.txt"
        local attribution part file
        for attribution in $(cd "$source" && find ./src -name qt_attribution.json | LC_ALL=C sort |
            grep -vE "$qt_parts_left_out" | cut -c3-); do
            part=$(dirname "$attribution")
            echo
            echo "======== $part ========"
            cat "$source/$attribution"
            for file in $(sed -n 's/.*"LicenseFile": *"\([^"]*\)".*/\1/p' "$source/$attribution" | LC_ALL=C sort -u); do
                [ -f "$source/$part/$file" ] || continue
                echo
                echo "-------- $part/$file --------"
                cat "$source/$part/$file"
            done
        done
    } >"$out"
}

# How Qt for Windows is made here; a new one when this changes.
windows_qt_recipe=3

ensure_windows_qt() {
    # The source of the host's Qt, which may differ from its binary version.
    local version
    version=$(dpkg-query -W -f='${source:Version}' qt6-base-dev)
    local toolchain
    toolchain=$(x86_64-w64-mingw32-g++-posix -dumpfullversion)
    local id
    id=$(printf '%s\n' "$windows_qt_recipe" "$version" "$toolchain" "${windows_qt_options[@]}" |
        sha256sum | cut -c1-10)
    local cache=${KVELMOR_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/kvelmor}
    windows_qt=$cache/qt-${version}-mingw-w64-static-$id
    if [[ "$cache" == *[[:space:]]* ]]; then
        echo "Qt for Windows cannot be built in a folder whose path has a blank: $cache."
        echo "Set KVELMOR_CACHE to another folder."
        return 1
    fi
    mkdir -p "$cache"
    # In use until this script ends: no other checkout takes it away meanwhile.
    # The lock files stay, so that all who lock one lock the same file.
    exec {windows_qt_in_use}>>"$windows_qt.in-use"
    flock -s "$windows_qt_in_use"
    # One build at a time; a second run waits for the first and then uses its Qt.
    build_windows_qt "$version" "$toolchain" "$id" "$cache" 9>"$cache/lock"
}

# build_windows_qt VERSION TOOLCHAIN ID CACHE, with the cache's lock open as
# descriptor 9: builds Qt for Windows into $windows_qt unless it is there,
# going on with an interrupted build of the same recipe; takes away what
# nobody uses any more.
build_windows_qt() {
    local version=$1 toolchain=$2 id=$3 cache=$4
    if ! flock -n 9; then
        echo "Waiting for another build of Qt for Windows to finish..."
        flock 9
    fi
    local work=$cache/qt-build-$id source old
    # Another recipe's Qt, unless a checkout uses it now; the trees of builds
    # that were interrupted for good, and our own once it is complete.
    for old in "$cache"/qt-*-mingw-w64-static-*/; do
        old=${old%/}
        [ -d "$old" ] && [ "$old" != "$windows_qt" ] || continue
        if (flock -xn 7 && rm -rf "$old") 7>>"$old.in-use"; then :; fi
    done
    for old in "$cache"/qt-build "$cache"/qt-build-*; do
        [ -d "$old" ] && { [ "$old" != "$work" ] || [ -e "$windows_qt/.complete" ]; } && rm -rf "$old"
    done
    [ -e "$windows_qt/.complete" ] && return 0

    local started=$SECONDS
    echo "Building Qt $version for Windows (MinGW-w64 $toolchain, static) once, into"
    echo "  $windows_qt"
    echo "from Debian's qt6-base source. This first time takes about 25 minutes on two cores;"
    echo "every later run reuses it."
    if [ "$(cat "$work/recipe" 2>/dev/null)" = "$id" ]; then
        echo "Going on with the build that was interrupted."
        source=$(find "$work" -mindepth 1 -maxdepth 1 -type d -name 'qt6-base-*')
    else
        rm -rf "$work"
        mkdir -p "$work"
        fetch_qt_source "$version" "$work" || return 1
        source=$(find "$work" -mindepth 1 -maxdepth 1 -type d -name 'qt6-base-*')
        write_qt_notices "$source" "$version" "$work/qt-notices.txt"
        echo "Configuring Qt..."
        # The toolchain is kept beside the build, which may go on from another clone.
        cp cmake/mingw-w64-x86_64.cmake "$work/"
        # Configured for a fixed prefix and installed into the cache, so that no
        # path of this machine's goes into the program.
        cmake -S "$source" -B "$work/build" -G Ninja -Wno-dev \
            -DCMAKE_TOOLCHAIN_FILE="$work/mingw-w64-x86_64.cmake" \
            -DCMAKE_INSTALL_PREFIX=/opt/qt-windows \
            -DCMAKE_CXX_FLAGS="-ffile-prefix-map=$source=qtbase -ffile-prefix-map=$work/build=qtbase" \
            -DCMAKE_C_FLAGS="-ffile-prefix-map=$source=qtbase -ffile-prefix-map=$work/build=qtbase" \
            -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/$(gcc -print-multiarch)/cmake \
            "${windows_qt_options[@]}" >"$work/configure.log" 2>&1 ||
            { tail -n 40 "$work/configure.log"; return 1; }
        # An interrupted build goes on from here next time.
        echo "$id" >"$work/recipe"
    fi
    echo "Building Qt..."
    # Without the locks: they go with this script, not with the reporter.
    report_progress "$work/build.log" "$started" 9>&- {windows_qt_in_use}>&- &
    local reporter=$! status=0
    cmake --build "$work/build" >>"$work/build.log" 2>&1 || status=$?
    kill "$reporter" 2>/dev/null
    wait "$reporter" 2>/dev/null || true
    [ "$status" -eq 0 ] || { tail -n 40 "$work/build.log"; return 1; }
    rm -rf "$windows_qt"
    cmake --install "$work/build" --prefix "$windows_qt" >/dev/null
    cp "$work/qt-notices.txt" "$windows_qt/qt-notices.txt"
    # Debian's source package as built, to go beside every program made with it.
    mkdir "$windows_qt/source"
    cp "$work"/qt6-base_* "$windows_qt/source/"
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

# report_progress LOG STARTED: while Qt builds, says every minute and a half
# how far it is, so that a long build is not taken for a hang.
report_progress() {
    local log=$1 started=$2 step pause
    # Told to stop, it stops its pause too, which would hold the output open.
    trap 'kill $pause 2>/dev/null; exit 0' TERM
    while :; do
        sleep 90 &
        pause=$!
        wait $pause || true
        step=$(grep -ao '^\[[0-9]*/[0-9]*\]' "$log" 2>/dev/null | tail -n 1 | tr -d '[]')
        echo "Qt for Windows: step ${step%/*} of ${step#*/}, $(((SECONDS - started) / 60)) minutes so far"
    done
}

# build_for_windows DIR [cmake options...]: the program for Windows in DIR.
build_for_windows() {
    local dir=$1
    shift
    ensure_windows_qt
    # A build folder made with another Qt for Windows keeps its toolchain:
    # it starts again.
    local toolchain=$windows_qt/lib/cmake/Qt6/qt.toolchain.cmake
    if [ -f "$dir/CMakeCache.txt" ] &&
        ! grep -qF "$toolchain" "$dir"/CMakeFiles/*/CMakeSystem.cmake 2>/dev/null; then
        rm -rf "$dir"
    fi
    build_host_tools
    configure_and_build "$dir" -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
        -DQT_CHAINLOAD_TOOLCHAIN_FILE="$PWD/cmake/mingw-w64-x86_64.cmake" \
        -DKVELMOR_HOST_TOOLS="$PWD/build/host/resources" -DKVELMOR_BENCH=OFF \
        -DKVELMOR_QT_NOTICES="$windows_qt/qt-notices.txt" \
        -DKVELMOR_QT_BUILD_INFO="$windows_qt/qt-build-info.txt" -DKVELMOR_QT_SOURCE="$windows_qt/source" "$@"
}
