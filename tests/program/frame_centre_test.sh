#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Kvelmor developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The window opens centred on the screen as a whole, frame and title bar
# included, and stays where it first appeared: under a window manager that
# decorates it (openbox) or on a bare X server without a frame.
#   frame_centre_test.sh PROGRAM WIDTHxHEIGHT [openbox]
set -u
program=$1 size=$2 manager=${3:-}
work=$(mktemp -d)
app=
wm=
trap 'kill $app $wm $xvfb 2>/dev/null; rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; exit 1; }
source "$(dirname "$0")/../support/virtual_display.sh"
start_virtual_display "$work" "$size"
if [ -n "$manager" ]; then
    openbox --sm-disable >/dev/null 2>&1 &
    wm=$!
    for _ in $(seq 100); do
        [[ "$(xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null)" == *'window id'* ]] && break
        sleep 0.05
    done
fi
QT_QPA_PLATFORM=xcb "$program" 2>/dev/null &
app=$!

# The window's own rectangle on the screen, once it is viewable: x y width height.
placement() {
    timeout 5 xwininfo -id "$1" | awk '/Absolute upper-left X/ { x = $4 } /Absolute upper-left Y/ { y = $4 }
        /Width:/ { w = $2 } /Height:/ { h = $2 } /IsViewable/ { v = 1 } END { if (v) print x, y, w, h }'
}
first=
for _ in $(seq 400); do
    id=$(window_id)
    [ -n "$id" ] && first=$(placement "$id") && [ -n "$first" ] && break
    sleep 0.02
done
[ -n "$first" ] || fail "no window appeared"
sleep 1
last=$(placement "$id")
[ "$first" = "$last" ] || fail "the window jumped from $first to $last"

read -r x y width height <<<"$last"
# left, right, top, bottom; no manager, no frame
read -r left right top bottom < <(xprop -id "$id" _NET_FRAME_EXTENTS |
    awk -F' = ' 'NF == 2 { gsub(",", ""); print $2; exit } END { if (NF != 2) print 0, 0, 0, 0 }')
[ -z "$manager" ] || [ "$top" -gt 0 ] || fail "the window manager drew no title bar"
read -r screen_width screen_height < <(tr x ' ' <<<"$size")
# Twice the offset of the frame's centre from the screen's, to stay in whole numbers.
dx=$((2 * (x - left) + left + width + right - screen_width))
dy=$((2 * (y - top) + top + height + bottom - screen_height))
echo "screen $size, window $last, frame extents $left $right $top $bottom:" \
    "frame centre off by $((dx / 2)),$((dy / 2)) pixels"
[ "${dx#-}" -le 4 ] && [ "${dy#-}" -le 4 ] || fail "the frame is not centred on the screen"
echo "ok"
