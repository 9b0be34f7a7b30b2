#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs the window with the screen reader Orca and its debug log in an X
# session of its own (Xvfb with openbox, scripts/x-session.sh), goes through a
# short trial from the keyboard (choose the first pool, Prepare, Start,
# answer 1, answer 2), and prints what Orca spoke. Nothing of the user's is
# touched.
#   bash scripts/screen-reader-check.sh [BUILD_DIR]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
[ -x "$build/ktqtests" ] || { echo "no $build/ktqtests: build first (bash scripts/build.sh)" >&2; exit 2; }
for tool in Xvfb openbox orca xdotool dbus-run-session; do
  command -v "$tool" >/dev/null || { echo "missing $tool: run bash scripts/setup.sh" >&2; exit 2; }
done
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/folder" && cp -r "$root/demo/." "$work/folder/"

cat >"$work/trial.sh" <<'INNER'
work=$1 program=$2
orca --debug-file="$work/orca.log" >/dev/null 2>&1 &
for _ in $(seq 100); do grep -q "Screen reader on" "$work/orca.log" 2>/dev/null && break; sleep 0.1; done
cd "$work/folder"
"$program" >"$work/program.log" 2>&1 &
window=$(xdotool search --sync --name "KTQ Trial" | head -1)
sleep 2
xdotool windowactivate --sync "$window" 2>/dev/null || true
step() { xdotool key --clearmodifiers "$@"; sleep 2; }
step alt+Down   # the pool chooser has the focus: open its list
step Return     # the first pool
step Tab        # Prepare..
step space
step space      # the focus went on to Start
step 1          # answer A
sleep 2
step 2          # answer B of the next question
kill $(jobs -p) 2>/dev/null
INNER
timeout 120 bash "$root/scripts/x-session.sh" --wm --a11y "$work" \
  bash "$work/trial.sh" "$work" "$build/ktqtests" >/dev/null 2>&1 || true
# A log line reads: TIME - SPEECH OUTPUT: 'WORDS'{'established': False}
sed -nE "s/^.*SPEECH OUTPUT: '(.*)' ?\[?\{'established.*$/\1/p" "$work/orca.log" | grep -v '^ *$'
