#!/usr/bin/env bash
# Runs the GUI tests that need a real X server (OnXTest.*) under Xvfb at
# 1366 x 768, with the openbox window manager or without one.
#   run-on-x.sh GUI_TESTS with-wm|no-wm WORK_DIR
set -euo pipefail
tests=$1 wm=$2 work=$3
rm -rf "$work" && mkdir -p "$work/home" && chmod 700 "$work/home"
trap 'kill $(jobs -p) 2>/dev/null || true' EXIT
Xvfb -displayfd 3 -screen 0 1366x768x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=":$(cat "$work/display")" HOME="$work/home" XDG_RUNTIME_DIR="$work/home"
export QT_QPA_PLATFORM=xcb
if [ "$wm" = with-wm ]; then
  openbox >/dev/null 2>&1 &
  # Ready once it tells what it supports.
  for _ in $(seq 100); do
    xprop -root _NET_SUPPORTED 2>/dev/null | grep -q _NET_REQUEST_FRAME_EXTENTS && break
    sleep 0.1
  done
fi
"$tests" --gtest_filter='OnXTest.*'
