#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Kvelmor developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Runs the program under strace in a virtual X server until its window is
# shown, then closes it. Fails on any file opened for writing and on any
# socket other than a local one to the X server or a D-Bus bus.
#   no_files_no_network.sh PROGRAM
set -u
program=$1
# A desktop has its session bus running; without one, Qt would start one
# itself, and the bus's own files would be counted as the program's.
if [ -z "${DBUS_SESSION_BUS_ADDRESS:-}" ] && command -v dbus-run-session >/dev/null; then
    exec dbus-run-session -- "$0" "$@"
fi
work=$(mktemp -d)
trap 'kill $xvfb 2>/dev/null; rm -rf "$work"' EXIT

source "$(dirname "$0")/../support/virtual_display.sh"
start_virtual_display "$work"
export QT_QPA_PLATFORM=xcb

strace -f -qq -e trace=openat,open,creat,socket,connect -o "$work/trace" "$program" &
traced=$!
shown=0
wait_for_window && shown=1
sleep 0.5
# Closing ends the program; strace then ends with it.
pkill -TERM -P $traced 2>/dev/null
for _ in $(seq 50); do kill -0 $traced 2>/dev/null || break; sleep 0.1; done
kill -KILL $traced 2>/dev/null
wait $traced 2>/dev/null

failed=0
if [ $shown -ne 1 ]; then
    echo "the window was never shown"
    failed=1
fi
# /dev/null is no file of the program's; a failed open or connect moves nothing.
writes=$(grep -E '(openat|open)\(.*O_(WRONLY|RDWR|CREAT)|creat\(' "$work/trace" |
    grep -v ' = -1 ' | grep -v '"/dev/null"')
if [ -n "$writes" ]; then
    echo "files opened for writing:"
    echo "$writes"
    failed=1
fi
sockets=$(grep -E 'socket\(' "$work/trace" | grep -v 'socket(AF_UNIX')
if [ -n "$sockets" ]; then
    echo "sockets other than local ones:"
    echo "$sockets"
    failed=1
fi
peers=$(grep -E 'connect\(' "$work/trace" | grep -v ' = -1 ' | grep -vE 'sun_path=(@?"/tmp/\.X11-unix/X[0-9]+"|@?"/(run|var/run|tmp)/[^"]*(dbus|bus|at-spi)[^"]*")')
if [ -n "$peers" ]; then
    echo "connections other than to the X server or a D-Bus bus:"
    echo "$peers"
    failed=1
fi
[ $failed -eq 0 ] || exit 1
echo "$(grep -cE 'open(at)?\(' "$work/trace") opens, none for writing;" \
    "$(grep -c 'connect(' "$work/trace") connects, only to the X server and D-Bus"
