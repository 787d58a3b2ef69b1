#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Kvelmor developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Drives the Debian program's window with real clicks in a virtual X server
# and takes its pictures, for the page to be compared with:
#   window_shots.sh PROGRAM OUT_DIR STEP...
# where a STEP is "click X Y" (in the window's pixels) or "shot NAME".
set -u
program=$1 out=$2
shift 2
work=$(mktemp -d)
app= xvfb=
trap 'kill $app $xvfb 2>/dev/null; rm -rf "$work"' EXIT
source "$(dirname "$0")/../support/virtual_display.sh"
start_virtual_display "$work"
QT_QPA_PLATFORM=xcb "$program" >/dev/null 2>&1 &
app=$!
wait_for_window 30 || { echo "FAIL: the window did not appear within 30 seconds"; exit 1; }
sleep 0.5
id=$(window_id)
for step in "$@"; do
    read -r what a b <<<"$step"
    case $what in
    click) xdotool mousemove --window "$id" "$a" "$b" click 1 ;;
    shot) sleep 0.3; import -window "$id" "$out/$a.png" ;;
    esac
    sleep 0.2
done
