#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Sets everything up, builds, and opens the program. Without a folder: the
# pools in force as prepared banks with a study note for every question, in
# a study folder kept in the build tree (build/study/Explained); its answers
# count in build/study's history, as in a user's ~/KTQTests. With a folder
# (for example demo, the made-up sample folder): that one. Without a display
# it runs under Xvfb.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
bash "$root/scripts/build.sh" build
if [ $# -eq 0 ]; then
  study=$root/build/study
  mkdir -p "$study"
  # New samples of a newer build replace older ones; the answers stay.
  cp -r -u "$root/build/samples/." "$study/"
  folder=$study/Explained
elif [ -d "$1" ]; then
  folder=$(cd "$1" && pwd)
else
  folder=$(cd "$root/$1" && pwd)
fi
cd "$folder"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ "${QT_QPA_PLATFORM:-}" != offscreen ]; then
  exec xvfb-run -a "$root/build/ktqtests" "${@:2}"
fi
exec "$root/build/ktqtests" "${@:2}"
