#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Kvelmor developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Runs a Windows program under Wine in a prefix of its own, without a display
# and without the installers of Wine's optional parts.
#   under_wine.sh PROGRAM.exe [ARGUMENTS...]
set -u
wine=$(command -v wine64 || ls /usr/lib/wine/wine64 /usr/lib/wine/wine 2>/dev/null | head -n 1)
[ -n "$wine" ] || { echo "FAIL: no wine64"; exit 1; }
prefix=$(mktemp -d)
trap 'WINEPREFIX=$prefix "$(dirname "$wine")/wineserver" -k 2>/dev/null; rm -rf "$prefix"' EXIT
WINEPREFIX=$prefix WINEDEBUG=-all WINEDLLOVERRIDES='mscoree,mshtml=' DISPLAY= "$wine" "$@"
