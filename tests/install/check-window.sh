#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Run in an X server of its own (xvfb-run), with HOME and the XDG folders set:
# the window docks with its menu entry (its class is the entry's
# StartupWMClass, and it carries the theme's icon), and a study folder that
# cannot be used is shown in a message box before the program ends with exit
# code 2. (Qt sends the desktop file's name to Wayland compositors only.)
# Usage: check-window.sh USR STUDY_FOLDER WORK_DIR
set -euo pipefail
usr=$1 study=$2 work=$3
. "$(dirname "$0")/installed-tree.sh"
desktop_file="$usr/share/applications/$app_id.desktop"
# The unpacked tree's icon theme, as if installed.
export XDG_DATA_DIRS="$usr/share:/usr/share"

# Prints the id of the first top-level window whose name starts with TEXT.
window_named() {
  local text=$1 id
  for _ in $(seq 100); do
    id=$(xwininfo -root -children | awk -v text="$text" 'index($0, "\"" text) { print $1; exit }')
    [ -z "$id" ] || { echo "$id"; return; }
    sleep 0.1
  done
  fail "no window named \"$text...\": $(xwininfo -root -children)"
}

"$usr/bin/ktqtests" --folder "$study" >"$work/x-window.out" 2>"$work/x-window.err" &
program=$!
window=$(window_named "KTQ Trial Exam Tests")
# The icon follows the window's first paint.
for _ in $(seq 50); do
  xprop -id "$window" WM_CLASS _NET_WM_ICON >"$work/xprop.txt"
  grep -qF 'Icon (48 x 48):' "$work/xprop.txt" && break
  sleep 0.1
done
kill "$program"
wait "$program" || true

wm_class=$(sed -n 's/^StartupWMClass=//p' "$desktop_file")
grep -qF "WM_CLASS(STRING) = \"ktqtests\", \"$wm_class\"" "$work/xprop.txt" ||
  fail "the window's class is not the menu entry's \"$wm_class\": $(grep WM_CLASS "$work/xprop.txt")"
# The built-in icon has one size; the theme has all.
grep -qF 'Icon (32 x 32):' "$work/xprop.txt" && grep -qF 'Icon (48 x 48):' "$work/xprop.txt" ||
  fail "the window does not carry the theme's icon: $(grep -c Icon "$work/xprop.txt") sizes"

# A menu start with a plain file where the study folder goes.
home="$work/x-home"
mkdir -p "$home"
printf 'not a folder\n' >"$home/KTQTests"
status=0
HOME=$home "$usr/bin/ktqtests" --study-folder >"$work/x-error.out" 2>"$work/x-error.err" &
program=$!
box=$(window_named "KTQ Testing-Learning Software")
xkill -id "$box" >/dev/null
wait "$program" || status=$?
[ "$status" -eq 2 ] || fail "a study folder that is a file ended the program with $status"
grep -qF "\"$home/KTQTests\" is there but is not a folder" "$work/x-error.err" ||
  fail "unclear message for a study folder that is a file: $(cat "$work/x-error.err")"
echo "window: ok"
