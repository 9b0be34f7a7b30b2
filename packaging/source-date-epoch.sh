#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The time a package's files carry (SOURCE_DATE_EPOCH): the one set, else the
# last commit's, else the newest release's day in CHANGELOG.md, so two builds
# of one source are byte-identical. Usage: source-date-epoch.sh SOURCE_DIR
set -euo pipefail
source=$1
if [ -n "${SOURCE_DATE_EPOCH:-}" ]; then
  echo "$SOURCE_DATE_EPOCH"
elif ! git -C "$source" log -1 --format=%ct 2>/dev/null; then
  date -u +%s -d "$(sed -n 's/^## [0-9.]* (\([0-9-]*\))$/\1/p' "$source/CHANGELOG.md" | head -1)"
fi
