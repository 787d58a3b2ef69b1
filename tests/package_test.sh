#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Kvelmor developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs the build into a staging folder and validates the desktop entry and
# metainfo there; builds the .deb, checks its contents and dependencies,
# unpacks it into an empty root and starts the unpacked program in a virtual
# X server until its window shows.
#   package_test.sh BUILD_DIR
set -u
build=$1
work=$(mktemp -d)
trap 'kill $app $xvfb 2>/dev/null; rm -rf "$work"' EXIT
app=
xvfb=
fail() { echo "FAIL: $*"; exit 1; }

cmake --install "$build" --prefix "$work/stage/usr" >/dev/null || fail "cmake --install"
desktop-file-validate "$work/stage/usr/share/applications/org.kvelmor.Kvelmor.desktop" ||
    fail "desktop entry"
appstreamcli validate --no-net "$work/stage/usr/share/metainfo/org.kvelmor.Kvelmor.metainfo.xml" ||
    fail "metainfo"

cpack --config "$build/CPackConfig.cmake" -B "$work/deb" >/dev/null || fail "cpack"
deb=$(ls "$work"/deb/kvelmor_1.0.0.0_*.deb) || fail "no package"
contents=$(dpkg-deb -c "$deb")
for path in usr/bin/kvelmor usr/share/applications/org.kvelmor.Kvelmor.desktop \
    usr/share/metainfo/org.kvelmor.Kvelmor.metainfo.xml \
    usr/share/icons/hicolor/32x32/apps/org.kvelmor.Kvelmor.png \
    usr/share/icons/hicolor/scalable/apps/org.kvelmor.Kvelmor.svg; do
    grep -q " \./$path\$" <<<"$contents" || fail "the package lacks $path"
done
depends=$(dpkg-deb -f "$deb" Depends)
for package in libqt6widgets6 libc6 fonts-liberation2; do
    grep -q "$package" <<<"$depends" || fail "the package does not depend on $package: $depends"
done

dpkg -x "$deb" "$work/root" || fail "dpkg -x"
source "$(dirname "$0")/virtual_display.sh"
start_virtual_display "$work"
QT_QPA_PLATFORM=xcb "$work/root/usr/bin/kvelmor" 2>/dev/null &
app=$!
wait_for_window || fail "the unpacked program showed no window"
echo "ok: $(basename "$deb") ($depends) unpacks and shows its window"
