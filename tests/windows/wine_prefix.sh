# SPDX-FileCopyrightText: 2026 The Kvelmor developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Sourced by the tests that run Windows programs under Wine: Debian's 64-bit
# Wine (not on PATH), a prefix of the test's own, no installers of Wine's
# optional parts and no menu entries on the host.
wine=$(command -v wine64 || true)
for candidate in /usr/lib/wine/wine64 /usr/lib/wine/wine; do
    [ -n "$wine" ] || [ ! -x "$candidate" ] || wine=$candidate
done
wineserver=$(dirname "${wine:-/usr/lib/wine/wine64}")/wineserver
export WINEDEBUG=${WINEDEBUG:--all} WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
# Wine names files in the encoding of the locale: UTF-8, or a Cyrillic name
# (the Start-menu entry's) cannot be made.
export LC_ALL=C.UTF-8

# make_wine_prefix DIR: a fresh prefix there, whose "Times New Roman" is the
# metric-compatible Liberation Serif (Wine would serve a wider face). GDI
# (Qt 6.4) heeds Wine's font replacements, DirectWrite (Qt 6.8) does not: it
# finds Liberation Serif under that name among the prefix's fonts.
make_wine_prefix() {
    [ -n "$wine" ] || { echo "no wine64"; return 1; }
    export WINEPREFIX=$1
    "$wine" wineboot -i >/dev/null 2>&1 && "$wineserver" -w || return 1
    local style files=()
    for style in Regular Bold Italic "Bold Italic"; do
        files+=("$(fc-match -f '%{file}' "Liberation Serif:style=$style")")
    done
    # Writes the renamed faces and names each as Windows lists its fonts.
    local name file
    /usr/bin/python3 - "$WINEPREFIX/drive_c/windows/Fonts" "${files[@]}" <<'EOF' >"$WINEPREFIX/fonts" || return 1
import sys
from fontTools.ttLib import TTFont
for suffix, file in zip(("", "bd", "i", "bi"), sys.argv[2:]):
    font = TTFont(file)
    if font["name"].getDebugName(1) != "Liberation Serif":
        sys.exit(f"not Liberation Serif: {file}")
    for record in font["name"].names:
        if record.nameID in (1, 3, 4, 6, 16):
            record.string = record.toUnicode().replace("Liberation Serif", "Times New Roman").replace(
                "LiberationSerif", "TimesNewRomanPSMT")
    font.save(f"{sys.argv[1]}/times{suffix}.ttf")
    print(f"{font['name'].getDebugName(4)} (TrueType)=times{suffix}.ttf")
EOF
    while IFS='=' read -r name file; do
        "$wine" reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\Fonts' \
            /v "$name" /d "$file" /f >/dev/null 2>&1 || return 1
    done <"$WINEPREFIX/fonts"
    "$wineserver" -w
}

run_wine() {
    "$wine" "$@"
}

stop_wine() {
    [ -n "${WINEPREFIX:-}" ] && "$wineserver" -k 2>/dev/null
    return 0
}
