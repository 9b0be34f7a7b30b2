#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a command in an X session of its own: Xvfb at 1366 x 768, optionally
# the openbox window manager (--wm) and a private session bus with the
# accessibility bus on it (--a11y), with HOME in WORK_DIR. Everything it
# starts ends with it; its exit code is the command's.
#   x-session.sh [--wm] [--a11y] WORK_DIR COMMAND...
set -euo pipefail
wm=false a11y=false
while [ $# -gt 0 ]; do
  case $1 in --wm) wm=true ;; --a11y) a11y=true ;; *) break ;; esac
  shift
done
work=$1; shift
mkdir -p "$work/home" && chmod 700 "$work/home"
trap 'kill $(jobs -p) 2>/dev/null || true' EXIT
Xvfb -displayfd 3 -screen 0 1366x768x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=":$(cat "$work/display")" HOME="$work/home" XDG_RUNTIME_DIR="$work/home"
export QT_QPA_PLATFORM=xcb
if $wm; then
  openbox >/dev/null 2>&1 &
  # Ready once it tells what it supports.
  for _ in $(seq 100); do
    xprop -root _NET_SUPPORTED 2>/dev/null | grep -q _NET_REQUEST_FRAME_EXTENTS && break
    sleep 0.1
  done
fi
if $a11y; then
  dbus-run-session -- bash -c '
    /usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
    sleep 1
    "$@"; rc=$?
    kill $(jobs -p) 2>/dev/null
    exit $rc' bash "$@"
else
  "$@"
fi
