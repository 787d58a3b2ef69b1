#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Kvelmor developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Runs a Qt program as assistive technology would find it: on a virtual X
# server, with a private session bus and Qt's AT-SPI bridge switched on.
#   with_accessibility.sh PROGRAM [ARGUMENTS...]
set -u
if [ -z "${KVELMOR_PRIVATE_BUS:-}" ]; then
    KVELMOR_PRIVATE_BUS=1 exec dbus-run-session -- "$0" "$@" 2> >(grep -v '^dbus-daemon\|SpiRegistry' >&2)
fi
work=$(mktemp -d)
trap 'kill $xvfb 2>/dev/null; rm -rf "$work"' EXIT
source "$(dirname "$0")/../support/virtual_display.sh"
start_virtual_display "$work"
# Starts the accessibility bus, as a screen reader's start does; Qt waits for it.
dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress >/dev/null ||
    { echo "FAIL: no accessibility bus"; exit 1; }
QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$@"
