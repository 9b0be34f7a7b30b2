#!/usr/bin/env bash
# Runs one AT-SPI client test against the real window: its own X server
# (Xvfb with openbox), its own session bus with the accessibility bus on it,
# a copy of the sample folder, a home of its own.
#   run-atspi-test.sh PROGRAM SOURCE_DIR WORK_DIR TEST.py
set -euo pipefail
program=$1 source=$2 work=$3 test=$4
rm -rf "$work" && mkdir -p "$work/home" "$work/folder" && chmod 700 "$work/home"
cp -r "$source/demo/." "$work/folder/"
trap 'kill $(jobs -p) 2>/dev/null || true' EXIT
Xvfb -displayfd 3 -screen 0 1366x768x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=":$(cat "$work/display")" HOME="$work/home" XDG_RUNTIME_DIR="$work/home"
export QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
dbus-run-session -- bash -c '
  openbox >/dev/null 2>&1 &
  /usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
  sleep 1
  /usr/bin/python3 "$0" "$1" "$2"; rc=$?
  kill $(jobs -p) 2>/dev/null
  exit $rc' "$test" "$program" "$work/folder"
