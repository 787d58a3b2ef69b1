#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Kvelmor developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The source tree as a .tar.gz under one folder NAME: in a git checkout the
# files git keeps or would keep (built files are ignored), as they are now;
# otherwise every file but the build folder. Sorted, dated DATE, without
# owners, with permissions that do not depend on the builder's umask.
#   source_archive.sh SOURCE_DIR NAME DATE OUT.tar.gz
set -euo pipefail
cd "$1"
files=()
if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
    while IFS= read -r -d '' file; do
        # A file deleted but not yet committed is not part of the tree as built.
        [ -e "$file" ] && files+=("$file")
    done < <(git ls-files -z --cached --others --exclude-standard)
else
    while IFS= read -r -d '' file; do
        files+=("${file#./}")
    done < <(find . -path ./build -prune -o -path ./.git -prune -o -type f -print0)
fi
printf '%s\0' "${files[@]}" | LC_ALL=C sort -z |
    tar --null -T - --mtime="@$3" --owner=0 --group=0 --numeric-owner \
        --mode=u=rwX,go=rX --format=gnu --transform="s,^,$2/," -cf - | gzip -n -9 >"$4"
