#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Sets everything up, builds, and opens the program on a sample folder
# (demo/ unless another is named). Without a display it runs under Xvfb.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
folder=$(cd "${1:-$root/demo}" && pwd)
bash "$root/scripts/build.sh" build
cd "$folder"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ "${QT_QPA_PLATFORM:-}" != offscreen ]; then
  exec xvfb-run -a "$root/build/ktqtests" "${@:2}"
fi
exec "$root/build/ktqtests" "${@:2}"
