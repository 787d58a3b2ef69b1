# SPDX-FileCopyrightText: 2026 The Kvelmor developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Sourced by the tests that need a real X server: starts Xvfb on a free
# display, exports DISPLAY and sets xvfb to its process id; ends the test
# with what Xvfb said when it gives no display.
#   start_virtual_display WORK_DIR [WIDTHxHEIGHT]
start_virtual_display() {
    Xvfb -displayfd 3 -screen 0 "${2:-1024x768}x24" -nolisten tcp 3>"$1/display" >"$1/xvfb.log" 2>&1 &
    xvfb=$!
    for _ in $(seq 100); do [ -s "$1/display" ] && break; sleep 0.1; done
    if [ ! -s "$1/display" ]; then
        echo "FAIL: Xvfb gave no display within ten seconds:"
        cat "$1/xvfb.log"
        exit 1
    fi
    export DISPLAY=:$(cat "$1/display")
}

# The program's window, or the page's, by its title, which the page writes
# with a comma for the dash. xwininfo writes a Bulgarian title as it is only
# in a UTF-8 locale. Once, under load, a query of the tree went
# unanswered for minutes, until another client came: a query is given up
# after five seconds and asked again.
window_id() {
    local tree
    for _ in 1 2 3; do
        tree=$(LC_ALL=C.UTF-8 timeout 5 xwininfo -root -tree) && break
    done
    awk '/Логика, везна и тежести/ { print $1; exit }' <<<"$tree"
}

# Waits up to thirty seconds, or as many as given, for the program's window
# to be mapped: the first start on a new machine reads everything cold.
wait_for_window() {
    for _ in $(seq $((${1:-30} * 10))); do
        [[ "$(LC_ALL=C.UTF-8 timeout 5 xwininfo -root -tree 2>/dev/null)" == *'Логика, везна и тежести'* ]] &&
            return 0
        sleep 0.1
    done
    return 1
}
