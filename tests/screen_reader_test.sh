#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Kvelmor developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# A whole measurement by keyboard with the real screen reader, Orca, in a
# virtual X server with a window manager and a private session bus; then
# checks what Orca said, from the transcript of its debug file.
#   screen_reader_test.sh PROGRAM
set -u
if [ -z "${KVELMOR_PRIVATE_BUS:-}" ]; then
    KVELMOR_PRIVATE_BUS=1 exec dbus-run-session -- "$0" "$@" 2> >(grep -v '^dbus-daemon\|^SpiRegistry' >&2)
fi
program=$1
work=$(mktemp -d)
app=
wm=
orca=
trap 'kill $app $wm $xvfb 2>/dev/null; kill -9 $orca 2>/dev/null; rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; exit 1; }
source "$(dirname "$0")/virtual_display.sh"
start_virtual_display "$work"
openbox --sm-disable >/dev/null 2>&1 &
wm=$!

# Braille off and no speech server: Orca still writes every phrase it would speak.
SPEECHD_CMD=/nonexistent orca --user-prefs "$work/prefs" --disable braille \
    --debug-file="$work/orca.out" >"$work/orca.log" 2>&1 &
orca=$!
started=
for _ in $(seq 100); do
    kill -0 "$orca" 2>/dev/null || { cat "$work/orca.log"; fail "Orca could not start"; }
    /usr/bin/python3 -c 'import pyatspi, sys
sys.exit(not any(a and a.name == "orca" for a in pyatspi.Registry.getDesktop(0)))' 2>/dev/null &&
        started=1 && break
    sleep 0.2
done
[ -n "$started" ] || fail "Orca did not come up within 20 seconds"

QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$program" >/dev/null 2>&1 &
app=$!
wait_for_window || fail "the window did not appear"
sleep 2
# Left pan: 1 and 9; the empty result box; right pan: 6; "Изчисли"; back to the result.
for key in Tab Down End Tab Tab Home Tab Tab Tab space \
    shift+Tab shift+Tab shift+Tab shift+Tab; do
    xdotool key "$key"
    sleep 0.8
done
sleep 1

kill -INT "$orca"
for _ in $(seq 100); do kill -0 "$orca" 2>/dev/null || break; sleep 0.1; done
kill -0 "$orca" 2>/dev/null && fail "Orca did not end on SIGINT"
grep -a 'SPEECH OUTPUT:' "$work/orca.out" | sed "s/^.*SPEECH OUTPUT: '//; s/' *{.*$//" \
    >"$work/spoken" || fail "Orca wrote no transcript"
echo "Orca said:"
sed 's/^/    /' "$work/spoken"

# Each phrase must come, in this order, after the one before or on its line
# (Orca 48 says a list's name and items on one line).
line=1
for phrase in 'Философия - Логика, везна и тежести' 'Ляво' '1, 6, 9' \
    'Тежестта 1 е в лявото блюдо.' 'Тежестта 9 е в лявото блюдо.' 'Измервана маса' \
    'Дясно' 'Тежестта 6 е в дясното блюдо.' 'Изчисли' 'Резултат: 1 + 9 - 6 = 4' \
    'Дясно' 'Измервана маса'; do
    found=$(tail -n +"$line" "$work/spoken" | grep -nF -m 1 -- "$phrase" | cut -d: -f1)
    [ -n "$found" ] || fail "from line $line on, Orca did not say: $phrase"
    line=$((line + found - 1))
done
# The result box on its last visit: its text once, whole, and nothing selected.
last_visit=$(tail -n +$((line + 1)) "$work/spoken")
[ "$(grep -cF '1 + 9 - 6 = 4' <<<"$last_visit")" -eq 1 ] ||
    fail "the result box was not read once and whole: $last_visit"
grep -q 'selected' <<<"$last_visit" && fail "the result box was read as selected: $last_visit"
echo "ok: Orca spoke the title, the pan's weights, each placing, the result and the result box"
