#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Kvelmor developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The Windows packages as a teacher meets them: made twice, they are the same
# bytes, and so is the source that goes beside them; the installer asks for
# no administrator rights, refuses Program Files before it copies anything,
# installs silently into a fresh Wine prefix for the one user, with its
# Start-menu entry and its entry among the installed programs, the program
# runs from there, and is not installed over while it is open; the
# uninstaller takes away everything the installer put there, but nothing
# while the program is open, and leaves the folder of the user's programs.
#   windows_installer_test.sh BUILD_DIR
set -u
build=$1
work=$(mktemp -d)
source "$(dirname "$0")/wine_prefix.sh"
source "$(dirname "$0")/../support/virtual_display.sh"
xvfb= app=
trap 'kill $app 2>/dev/null; stop_wine; kill $xvfb 2>/dev/null; rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

export SOURCE_DATE_EPOCH=1700000000
# The second time as another builder would: later, in another time zone, with another umask.
(cd "$build" && cpack -B "$work/packages1" >"$work/cpack1.log" 2>&1) || { cat "$work/cpack1.log"; fail "cpack failed"; }
sleep 2
(umask 077 && cd "$build" && TZ=Asia/Tokyo cpack -B "$work/packages2" >"$work/cpack2.log" 2>&1) ||
    { cat "$work/cpack2.log"; fail "cpack failed"; }
source_dir=kvelmor-1.0.0.0-windows-x64-source
for package in $(cd "$work/packages1" && ls kvelmor-*.exe kvelmor-*.zip "$source_dir"/*); do
    cmp -s "$work/packages1/$package" "$work/packages2/$package" ||
        fail "$package differs between two makings from the same sources"
    echo "ok: $package ($(stat -c %s "$work/packages1/$package") bytes) is the same when made again"
done
installer=$(ls "$work"/packages1/kvelmor-*.exe)
zip=$(ls "$work"/packages1/kvelmor-*.zip)
listing=$(cmake -E tar tf "$zip")
for file in kvelmor.exe COPYING.txt NOTICES.txt; do
    grep -q "/$file$" <<<"$listing" || fail "the zip has no $file: $listing"
done
grep -a -q 'level="asInvoker"' "$installer" || fail "the installer asks for more than the user's rights"
# Beside the packages, the source of all they hold, and their notices say so.
source_files=$(ls "$work/packages1/$source_dir")
for file in kvelmor-1.0.0.0-source.tar.gz 'qt6-base_.*\.dsc' 'qt6-base_.*\.orig\.tar\.xz' 'qt6-base_.*\.debian\.tar\.xz'; do
    grep -qx "$file" <<<"$source_files" || fail "no $file beside the packages: $source_files"
done
tree=$(tar tzf "$work/packages1/$source_dir/kvelmor-1.0.0.0-source.tar.gz")
for file in scripts/windows presentation/speech.cpp cmake/windows/NSIS.template.in; do
    grep -qx "kvelmor-1.0.0.0/$file" <<<"$tree" || fail "the source archive has no $file"
done
(cd "$work" && cmake -E tar xf "$zip")
grep -q "folder $source_dir beside the installer" "$work/kvelmor-1.0.0.0-windows-x64/NOTICES.txt" ||
    fail "NOTICES.txt does not say where the source is"
echo "ok: the source of this program and of its Qt goes beside the packages, and NOTICES.txt says so"

start_virtual_display "$work"
make_wine_prefix "$work/prefix" || fail "Wine could not make its prefix"
profile=$WINEPREFIX/drive_c/users/$(id -un)
key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\kvelmor'
# What the user's profile and programs' entries hold, each file with its size
# and time, but for temporary files (where the uninstaller runs a copy of
# itself, which Windows removes later).
snapshot() {
    (cd "$profile" && find . \( -path ./AppData/Local/Temp -o -path ./Temp \) -prune -o \
        \( -type f -printf '%p %s %T@\n' \) -o -print | LC_ALL=C sort)
    run_wine reg query "$key" 2>/dev/null | tr -d '\r'
}
# Another program of the user's, in the folder of the user's programs.
mkdir -p "$profile/AppData/Local/Programs/other"
echo kept >"$profile/AppData/Local/Programs/other/keep.txt"
snapshot >"$work/before"

# How a silent install ended, as Windows tells it: Wine's own launcher does
# not pass on the status of a program of the graphical subsystem, but the
# command interpreter does, of what it ran. From a path with no blank, so
# that the whole command is one argument, whose blanks NSIS reads as its own.
cp "$installer" "$WINEPREFIX/drive_c/setup.exe"
installer_status() {
    run_wine cmd /c "C:\\setup.exe /S $*" >/dev/null 2>&1
    echo $?
}
# Program Files is an administrator's: refused before anything is copied.
status=$(installer_status '/D=C:\Program Files\kvelmor')
[ "$status" = 2 ] || fail "installing into Program Files ended with status $status, not 2"
[ -e "$WINEPREFIX/drive_c/Program Files/kvelmor" ] && fail "the installer copied into Program Files"
echo "ok: Program Files is refused, and nothing is copied there"

run_wine "$installer" /S || fail "the silent install failed"
"$wineserver" -w
home=$profile/AppData/Local/Programs/kvelmor
for file in kvelmor.exe COPYING.txt NOTICES.txt Uninstall.exe; do
    [ -f "$home/$file" ] || fail "the install has no $file"
done
shortcut="$profile/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/Логика - везна и тежести.lnk"
[ -f "$shortcut" ] || fail "no Start-menu entry: $(ls "$(dirname "$shortcut")")"
# reg query would print the Cyrillic name in the console's code page.
run_wine reg export "$key" 'C:\entry.reg' /y >/dev/null 2>&1
iconv -f UTF-16 -t UTF-8 "$WINEPREFIX/drive_c/entry.reg" 2>/dev/null |
    grep -q '"DisplayName"="Логика - везна и тежести"' || fail "no entry among the installed programs"
version=$(run_wine "$home/kvelmor.exe" --version | tr -d '\r')
[ "$version" = "kvelmor 1.0.0.0" ] || fail "the installed program answered: $version"
echo "ok: installed silently for the user, with its Start-menu entry; the program answers $version"

run_wine "$home/kvelmor.exe" >/dev/null 2>&1 &
app=$!
wait_for_window 30 || fail "the installed program shows no window"
snapshot >"$work/installed"
# Installed again while it is open: refused, with nothing overwritten.
status=$(installer_status)
[ "$status" = 2 ] || fail "installing over the open program ended with status $status, not 2"
snapshot >"$work/reinstalled"
diff "$work/installed" "$work/reinstalled" >/dev/null || fail "installing over the open program changed it"
echo "ok: the program is not installed over while it is open"
# Run in place (_?=), the uninstaller is waited for and tells how it ended.
run_wine "$home/Uninstall.exe" /S "_?=$(run_wine winepath -w "$home" | tr -d '\r')" &&
    fail "the uninstaller reported success while the program was open"
snapshot >"$work/while_open"
diff "$work/installed" "$work/while_open" >"$work/taken" ||
    fail "uninstalled while the program was open, all but: $(cat "$work/taken")"
kill $app
"$wineserver" -k
echo "ok: while the program is open, the uninstaller takes nothing away"

run_wine "$home/Uninstall.exe" /S || fail "the silent uninstall failed"
# The uninstaller runs on from a copy of itself and ends a moment later.
for _ in $(seq 50); do [ -e "$home" ] || break; sleep 0.2; done
"$wineserver" -w
snapshot >"$work/after"
diff "$work/before" "$work/after" >"$work/left" || fail "the uninstaller left: $(cat "$work/left")"
[ -f "$profile/AppData/Local/Programs/other/keep.txt" ] || fail "the uninstaller took another program's files"
echo "ok: the uninstaller took away all that was installed, and left the folder of the user's programs"
