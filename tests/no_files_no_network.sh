#!/usr/bin/env bash
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

Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" >/dev/null 2>&1 &
xvfb=$!
for _ in $(seq 50); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=:$(cat "$work/display") QT_QPA_PLATFORM=xcb

strace -f -qq -e trace=openat,open,creat,socket,connect -o "$work/trace" "$program" &
traced=$!
shown=0
for _ in $(seq 100); do
    if xwininfo -root -tree 2>/dev/null | grep -q 'Философия - Логика, везна и тежести'; then
        shown=1
        break
    fi
    sleep 0.1
done
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
