# SPDX-FileCopyrightText: 2026 The Kvelmor developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Sourced by the tests that run Windows programs under Wine: Debian's 64-bit
# Wine (not on PATH), a prefix of the test's own, no installers of Wine's
# optional parts and no menu entries on the host.
wine=$(command -v wine64 || ls /usr/lib/wine/wine64 /usr/lib/wine/wine 2>/dev/null | head -n 1)
wineserver=$(dirname "${wine:-/usr/lib/wine/wine64}")/wineserver
export WINEDEBUG=${WINEDEBUG:--all} WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"

# make_wine_prefix DIR: a fresh prefix there, whose "Times New Roman" is the
# metric-compatible Liberation Serif (Wine would serve a wider face).
make_wine_prefix() {
    [ -n "$wine" ] || { echo "no wine64"; return 1; }
    export WINEPREFIX=$1
    "$wine" wineboot -i >/dev/null 2>&1 && "$wineserver" -w || return 1
    "$wine" reg add 'HKCU\Software\Wine\Fonts\Replacements' /v 'Times New Roman' \
        /d 'Liberation Serif' /f >/dev/null 2>&1 && "$wineserver" -w
}

run_wine() {
    "$wine" "$@"
}

stop_wine() {
    [ -n "${WINEPREFIX:-}" ] && "$wineserver" -k 2>/dev/null
    return 0
}
