#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Kvelmor developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Reads back from the Windows executable what a teacher's copy must be: one
# file that needs no DLL beside it (it imports Windows' own DLLs only, those
# Wine also provides, or API sets), a program of the graphical subsystem,
# with its icon and version, hardened, and without a link time.
#   windows_executable_check.sh OBJDUMP PROGRAM.exe
set -u
objdump=$1 program=$2
failed=0
check() { # check DESCRIPTION COMMAND...
    if "${@:2}" >/dev/null 2>&1; then echo "ok: $1"; else echo "MISSING: $1"; failed=1; fi
}
# objdump gives the link time in the local time zone.
headers=$(TZ=UTC "$objdump" -p "$program") || { echo "FAIL: cannot read $program"; exit 1; }
check "graphical subsystem" grep -q 'Subsystem.*(Windows GUI)' <<<"$headers"
check "address space randomisation, high entropy, DEP" \
    grep -qzE 'HIGH_ENTROPY_VA.*DYNAMIC_BASE.*NX_COMPAT' <<<"$headers"
check "no link time" grep -q 'Time/Date[[:space:]]*Thu Jan  1 00:00:00 1970' <<<"$headers"
# Resource types at the top of the resource tree: 3 icon, 14 its group, 16 version.
types=$(sed -n '/The .rsrc Resource Directory section/,$p' <<<"$headers" | grep -E '^0[0-9a-f]{2}   Entry' |
    grep -oE 'ID: 0x[0-9a-f]+' | sort -u)
for type in 0x000003 0x00000e 0x000010; do
    check "resource type $type" grep -q "$type" <<<"$types"
done

windows_dlls=$(ls -d /usr/lib/*/wine/x86_64-windows 2>/dev/null | head -n 1)
[ -n "$windows_dlls" ] || { echo "FAIL: Wine's Windows DLLs are not installed"; exit 1; }
imports=$(awk '/DLL Name:/ { print $3 }' <<<"$headers")
check "imports found" test -n "$imports"
for dll in $imports; do
    [[ "${dll,,}" == api-ms-win-* ]] && continue
    check "imports $dll, one of Windows' own" test -e "$windows_dlls/${dll,,}"
done
exit $failed
