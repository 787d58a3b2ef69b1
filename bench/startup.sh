#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Kvelmor developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Startup time to the first paint and peak memory of the program, against the
# floor of a window that shows one caption in the same font with the same Qt;
# under Xvfb and under the offscreen platform.
#   bench/startup.sh [BUILD_DIR]   (default build/test; needs hyperfine, xvfb, time)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/test}
program=$build/bench/startup_window
baseline=$build/bench/startup_baseline
work=$(mktemp -d)
display=:57
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb; rm -rf "$work"' EXIT
sleep 1
export DISPLAY=$display XDG_RUNTIME_DIR=$work

# Median of the peak resident set over repeated runs, in KiB.
peak_memory() {
    for _ in $(seq 15); do /usr/bin/time -f %M "$1" 2>&1 >/dev/null | tail -1; done | median
}

median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

# The median over rounds of hyperfine's medians; the rounds alternate which
# program runs first, so that drift in the machine's load hits both alike.
startup_medians() {
    for round in 1 2 3 4 5; do
        if [ $((round % 2)) -eq 1 ]; then order=("$program" "$baseline"); else order=("$baseline" "$program"); fi
        hyperfine -N --warmup 3 --runs 20 --style none --export-csv "$work/round.csv" "${order[@]}" >/dev/null
        awk -F, -v p="$program" 'NR > 1 { print ($1 == p ? "own" : "floor"), $4 * 1000 }' "$work/round.csv"
    done >"$work/rounds"
    echo "$(awk '$1 == "own" { print $2 }' "$work/rounds" | median)" \
        "$(awk '$1 == "floor" { print $2 }' "$work/rounds" | median)"
}

for platform in xcb offscreen; do
    export QT_QPA_PLATFORM=$platform
    read -r own floor < <(startup_medians)
    own_memory=$(peak_memory "$program")
    floor_memory=$(peak_memory "$baseline")
    awk -v p="$platform" -v a="$own" -v b="$floor" -v m="$own_memory" -v n="$floor_memory" 'BEGIN {
        printf "%-9s startup median %.1f ms, floor %.1f ms, ratio %.3f; peak memory %d KiB, floor %d KiB, ratio %.3f\n",
               p, a, b, a / b, m, n, m / n }'
done
