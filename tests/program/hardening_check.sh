#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Kvelmor developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Fails unless the program was built hardened: PIE, full RELRO, stack
# protector, fortified libc calls and a stack that is not executable.
#   hardening_check.sh PROGRAM COMPILE_COMMANDS_JSON
set -u
program=$1
commands=$2
failed=0
check() { # check DESCRIPTION COMMAND...
    if "${@:2}" >/dev/null 2>&1; then echo "ok: $1"; else echo "MISSING: $1"; failed=1; fi
}
headers=$(readelf -W --file-header --program-headers --dynamic "$program")
symbols=$(readelf -W --dyn-syms "$program")
check "position-independent executable" grep -q 'Type:.*DYN' <<<"$headers"
check "RELRO segment" grep -q 'GNU_RELRO' <<<"$headers"
check "immediate binding (full RELRO)" grep -qE 'BIND_NOW|FLAGS_1.*NOW' <<<"$headers"
check "stack not executable" grep -qE 'GNU_STACK.* RW  ' <<<"$headers"
check "stack protector" grep -q '__stack_chk_fail' <<<"$symbols"
# Only calls whose sizes are known at compile time become __*_chk calls, and
# the program may have none; so every compilation of the project's own code
# must have asked for them, optimised as fortification needs.
ours=$(grep '"command"' "$commands" | grep -E '/(model|exercise|window)/|main\.cpp')
check "own code compiled" test -n "$ours"
check "fortified libc calls" test -z "$(grep -v -- '-D_FORTIFY_SOURCE=2' <<<"$ours")"
check "optimised, as fortification needs" test -z "$(grep -vE -- ' -O[123s] ' <<<"$ours")"
exit $failed
