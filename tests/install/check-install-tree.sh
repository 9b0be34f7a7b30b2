#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# `cmake --install` into a temporary DESTDIR puts exactly the desktop program's
# files in place, and they pass the desktop's validators.
# Usage: check-install-tree.sh BUILD_DIR SOURCE_DIR WORK_DIR
set -euo pipefail
build=$1 source=$2 work=$3
. "$(dirname "$0")/installed-tree.sh"
rm -rf "$work"
mkdir -p "$work"
DESTDIR="$work/root" cmake --install "$build" --prefix /usr >"$work/install.log"
check_tree "$work/root/usr" "$source"
echo "install tree: ok"
