#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Kvelmor developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# What a Windows screen reader would be told when a weight is placed: the
# sentence goes out as a UI Automation notification, which Wine 10 logs.
# Wine before 10 raises no UI Automation events at all: the test is skipped.
#   wine_speech_test.sh PROGRAM.exe UIA_ACTIVATE.exe
set -u
program=$1 activate=$2
work=$(mktemp -d)
app=
source "$(dirname "$0")/wine_prefix.sh"
trap 'kill $app 2>/dev/null; stop_wine; kill $xvfb 2>/dev/null; rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; exit 1; }
major=$("$wine" --version | sed 's/^wine-\([0-9]*\).*/\1/')
if [ "${major:-0}" -lt 10 ]; then
    echo "skipped: Wine $("$wine" --version) raises no UI Automation events"
    exit 77
fi
source "$(dirname "$0")/virtual_display.sh"
start_virtual_display "$work" 1024x768
make_wine_prefix "$work/prefix" || fail "Wine could not make its prefix"

WINEDEBUG=fixme+uiautomation run_wine "$program" >"$work/wine.log" 2>&1 &
app=$!
wait_for_window 30 || fail "no window: $(cat "$work/wine.log")"
run_wine "$activate" || fail "could not ask the window for its UI Automation root"
sleep 1
xdotool mousemove --window "$(window_id)" 36 103 click 1 # the 9 in the left pan
sleep 2
# Wine writes the text with its letters as \x escapes.
said=$(grep -a 'UiaRaiseNotificationEvent' "$work/wine.log" |
    sed 's/\\x\([0-9a-f]\{4\}\)/\\u\1/g' | while IFS= read -r line; do printf '%b\n' "$line"; done)
echo "Wine logged: $said"
grep -q 'Тежестта 9 е в лявото блюдо.' <<<"$said" ||
    fail "no UI Automation notification of the placed weight"
echo "ok: a screen reader on Windows is told: Тежестта 9 е в лявото блюдо."
