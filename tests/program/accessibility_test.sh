#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Kvelmor developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Runs the program with accessibility on in a virtual X server and a private
# D-Bus session, and lets tests/accessibility_client.py read and drive it.
#   accessibility_test.sh PROGRAM
set -u
if [ -z "${KVELMOR_PRIVATE_BUS:-}" ]; then
    KVELMOR_PRIVATE_BUS=1 exec dbus-run-session -- "$0" "$@"
fi
program=$1
work=$(mktemp -d)
app=
trap 'kill $app $xvfb 2>/dev/null; rm -rf "$work"' EXIT
source "$(dirname "$0")/../support/virtual_display.sh"
start_virtual_display "$work"
export QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
"$program" 2>/dev/null &
app=$!
# Debian's interpreter, which has pyatspi; another python3 may come first on PATH.
timeout 60 /usr/bin/python3 "$(dirname "$0")/accessibility_client.py" 2>&1 | grep -v '^dbus-daemon'
exit "${PIPESTATUS[0]}"
