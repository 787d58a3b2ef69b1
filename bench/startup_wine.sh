#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Kvelmor developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Start-up of the program for Windows to its first paint, and its peak
# memory, under Wine in a virtual X server, against the floor of a window
# that shows one caption in the same font with the same static Qt; both
# measured in one run, alternating which goes first.
#   bench/startup_wine.sh [BUILD_DIR]   (default build/windows, configured with
#   -DKVELMOR_BENCH=ON; needs hyperfine, xvfb, wine64)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/windows}
# Qt for Windows puts every executable at the top of the build folder.
program=$PWD/$build/startup_window.exe
baseline=$PWD/$build/startup_baseline.exe
work=$(mktemp -d)
xvfb=
source tests/support/virtual_display.sh
source tests/windows/wine_prefix.sh
trap 'stop_wine; kill $xvfb 2>/dev/null; rm -rf "$work"' EXIT
start_virtual_display "$work"
make_wine_prefix "$work/prefix"
# One Wine server for all the runs, as on a desktop where Wine is in use.
"$wineserver" -p
export XDG_RUNTIME_DIR=$work

median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
peak_memory() {
    for _ in $(seq 11); do /usr/bin/time -f %M "$wine" "$1" 2>&1 >/dev/null | tail -1; done | median
}
for round in 1 2 3 4 5; do
    if [ $((round % 2)) -eq 1 ]; then order=("$program" "$baseline"); else order=("$baseline" "$program"); fi
    hyperfine -N --warmup 2 --runs 10 --style none --export-csv "$work/round.csv" \
        "$wine ${order[0]}" "$wine ${order[1]}" >/dev/null
    awk -F, -v p="$wine $program" 'NR > 1 { print ($1 == p ? "own" : "floor"), $4 * 1000 }' "$work/round.csv"
done >"$work/rounds"
own=$(awk '$1 == "own" { print $2 }' "$work/rounds" | median)
floor=$(awk '$1 == "floor" { print $2 }' "$work/rounds" | median)
own_memory=$(peak_memory "$program")
floor_memory=$(peak_memory "$baseline")
awk -v a="$own" -v b="$floor" -v m="$own_memory" -v n="$floor_memory" 'BEGIN {
    printf "under Wine: startup median %.1f ms, floor %.1f ms, ratio %.3f; peak memory %d KiB, floor %d KiB, ratio %.3f\n",
           a, b, a / b, m, n, m / n }'
