#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Kvelmor developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The Windows program under Wine, in a fresh prefix and a virtual X server:
# its window opens with its title and size, centred with its frame, and a
# measurement by real mouse clicks looks as in the Debian build, whose
# window is pictured in the same states for comparison. Where Wine raises UI
# Automation events (Wine 10 and later, which log a notification's text),
# each click's sentence goes out to a screen reader as a notification.
#   wine_window_test.sh PROGRAM.exe NATIVE_PROGRAM UIA_ACTIVATE.exe QT_VERSION
set -u
program=$1 native=$2 activate=$3 qt_version=$4
work=$(mktemp -d)
app=
source "$(dirname "$0")/wine_prefix.sh"
trap 'kill $app 2>/dev/null; stop_wine; kill $xvfb 2>/dev/null; rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; exit 1; }
source "$(dirname "$0")/../support/virtual_display.sh"
start_virtual_display "$work" 1024x768
make_wine_prefix "$work/prefix" || fail "Wine could not make its prefix"

# Real clicks at places in the window: the 9 in the left pan, the 6 in the
# right pan, the 1 in the left pan, then "Изчисли": 9 - 6 + 1 = 4.
measurement=("36 103" "330 85" "36 65" "44 196")
# The same weights in another order: 1 - 6 + 9 = 4.
measurement_in_other_order=("36 65" "330 65" "36 65" "44 196")
# picture NAME CLICKS PROGRAM...: starts the program, pictures its window at
# start and after the clicks, and notes where the window stood.
picture() {
    local -n clicks=$2
    "${@:3}" >"$work/$1.log" 2>&1 &
    app=$!
    wait_for_window 30 || fail "$1: no window titled 'Философия - Логика, везна и тежести': $(cat "$work/$1.log")"
    sleep 2
    # As a screen reader first does, where it can be heard.
    [ "$1" = wine ] && [ -n "$hears_uia" ] && run_wine "$activate"
    local id
    id=$(window_id)
    timeout 5 xwininfo -id "$id" | awk '/Absolute upper-left X/ { x = $4 } /Absolute upper-left Y/ { y = $4 }
        /Width:/ { w = $2 } /Height:/ { h = $2 } END { print x, y, w, h }' >"$work/$1.place"
    import -window "$id" "$work/$1-start.png"
    local place
    for place in "${clicks[@]}"; do
        # shellcheck disable=SC2086
        xdotool mousemove --window "$id" $place click 1
        sleep 0.5
    done
    sleep 1
    import -window "$id" "$work/$1-measured.png"
    kill "$app"
    wait "$app" 2>/dev/null
    app=
}
hears_uia=
[ "$("$wine" --version | sed 's/^wine-\([0-9]*\).*/\1/')" -ge 10 ] && hears_uia=1
QT_QPA_PLATFORM=xcb picture debian measurement "$native"
QT_QPA_PLATFORM=xcb picture other measurement_in_other_order "$native"
WINEDEBUG=fixme+uiautomation picture wine measurement run_wine "$program"

read -r x y width height <"$work/wine.place"
echo "under Wine the window is ${width}x$height at $x,$y on a 1024x768 screen"
[ "$width" -eq 494 ] && [ "$height" -eq 345 ] || fail "the window is ${width}x$height, not 494x345"
# Centred with its frame: even borders left and right, and above it a title
# bar that the frame's centre allows for (Wine draws no frame of its own
# without a window manager, but places the window as Windows would).
[ $((2 * x + width - 1024)) -eq 0 ] || fail "the window is not centred across the screen"
above=$((2 * y + height - 768))
[ "$above" -ge 15 ] && [ "$above" -le 45 ] ||
    fail "the window is not centred with a title bar above it (off by $above)"

# differing A B [GEOMETRY]: how many pixels differ beyond a tenth of their range.
differing() {
    local crop=()
    [ -n "${3:-}" ] && crop=(-crop "$3" +repage)
    convert "$1" "${crop[@]}" "$work/a.png" && convert "$2" "${crop[@]}" "$work/b.png" &&
        compare -metric AE -fuzz 10% "$work/a.png" "$work/b.png" null: 2>&1
}
# Text is rendered differently (glyph edges) and the scroll bar has Wine's
# theme: of 170,430 pixels, about 10,700 where Qt draws text with GDI (Qt 6.4,
# under Wine 8 on Debian 12) and 13,100 where it uses DirectWrite (Qt 6.8,
# under Wine 10 on Debian 13), whose lines in the text box are a pixel closer.
bar=11500
[ "$(printf '%s\n' 6.8 "$qt_version" | sort -V | head -n 1)" = 6.8 ] && bar=13600
for state in start measured; do
    count=$(differing "$work/debian-$state.png" "$work/wine-$state.png")
    echo "$state: $count pixels differ from the Debian build"
    [ "$count" -le "$bar" ] || fail "after $state, $count pixels differ from the Debian build"
done
# The result box shows the Debian build's expression, 9 - 6 + 1 = 4: blurred
# so that glyph edges count little, it is nearer to that than to an empty
# box, and nearer than to the same weights placed in another order.
distance() { # distance A B: root mean square difference of the blurred result boxes, 0 to 1
    convert "$1" -crop 201x33+88+208 +repage -blur 0x2 "$work/a.png" &&
        convert "$2" -crop 201x33+88+208 +repage -blur 0x2 "$work/b.png" &&
        compare -metric RMSE "$work/a.png" "$work/b.png" null: 2>&1 | sed 's/.*(\(.*\))/\1/'
}
same=$(distance "$work/debian-measured.png" "$work/wine-measured.png")
empty=$(distance "$work/debian-start.png" "$work/wine-measured.png")
other=$(distance "$work/other-measured.png" "$work/wine-measured.png")
echo "result box, apart from the Debian build's: $same; from an empty box: $empty;" \
    "from 1 - 6 + 9 = 4: $other"
awk -v s="$same" -v e="$empty" -v o="$other" 'BEGIN { exit !(s < 0.4 * e && s < 0.6 * o) }' ||
    fail "the result box does not show the Debian build's expression"

if [ -z "$hears_uia" ]; then
    echo "not verified: $("$wine" --version) raises no UI Automation events for a screen reader"
else
    # Wine writes the text with its letters as escapes: \0422 (Wine 10) or \x0422.
    told=$(sed -n 's/.*UiaRaiseNotificationEvent (.*L"\(.*\)", L".*/\1/p' "$work/wine.log" |
        perl -CS -pe 's/\\x?([0-9a-f]{4})/chr(hex($1))/ge')
    echo "a screen reader was told: $told"
    for sentence in 'Тежестта 9 е в лявото блюдо.' 'Тежестта 6 е в дясното блюдо.' \
        '9 минус 6 плюс 1 е равно на 4.'; do
        grep -qF "$sentence" <<<"$told" || fail "no UI Automation notification: $sentence"
    done
fi
echo "ok"
