#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Kvelmor developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The source tree as a .tar.gz under one folder NAME: in a git checkout the
# files git keeps, as they are now (nothing else that lies about, notes or
# keys); otherwise every file but the build folder. Sorted, dated DATE
# (by default SOURCE_DATE_EPOCH, else the last commit), without owners, with
# permissions that do not depend on the builder's umask.
#   source_archive.sh SOURCE_DIR NAME OUT.tar.gz [DATE]
set -euo pipefail
cd "$1"
# A checkout owned by another user (built with sudo) is still read.
git() { command git -c safe.directory="$PWD" "$@"; }
if [ -e .git ] && ! git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
    echo "$PWD is a git checkout, but git cannot read it: the source archive would hold stray files." >&2
    exit 1
fi
date=${4:-${SOURCE_DATE_EPOCH:-$(git log -1 --format=%ct 2>/dev/null || echo 0)}}
files=()
if [ -e .git ]; then
    while IFS= read -r -d '' file; do
        # A file deleted but not yet committed is not part of the tree as built.
        [ -e "$file" ] && files+=("$file")
    done < <(git ls-files -z --cached)
else
    while IFS= read -r -d '' file; do
        files+=("${file#./}")
    done < <(find . -path ./build -prune -o -name node_modules -prune -o -type f -print0)
fi
printf '%s\0' "${files[@]}" | LC_ALL=C sort -z |
    tar --null -T - --mtime="@$date" --owner=0 --group=0 --numeric-owner \
        --mode=u=rwX,go=rX --format=gnu --transform="s,^,$2/," -cf - | gzip -n -9 >"$3"
