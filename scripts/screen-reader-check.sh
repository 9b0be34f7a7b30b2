#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs the window with the screen reader Orca and its debug log in an X
# session of its own (Xvfb with openbox, scripts/x-session.sh) while busy
# loops load every core (KTQ_LOAD per core, 8 unless set), goes through ten
# questions of a trial from the keyboard (choose the first pool, Prepare,
# Start, then answer 1 to each question), and prints what Orca spoke and how
# many of the ten questions and results it spoke. Fails when any is missing.
# Nothing of the user's is touched.
#   bash scripts/screen-reader-check.sh [BUILD_DIR]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
count=10
[ -x "$build/ktqtests" ] || { echo "no $build/ktqtests: build first (bash scripts/build.sh)" >&2; exit 2; }
for tool in Xvfb openbox orca xdotool dbus-run-session; do
  command -v "$tool" >/dev/null || { echo "missing $tool: run bash scripts/setup.sh" >&2; exit 2; }
done
work=$(mktemp -d)
load=()
trap 'kill "${load[@]}" 2>/dev/null || true; rm -rf "$work"' EXIT
mkdir -p "$work/folder" && cp -r "$root/demo/." "$work/folder/"

cat >"$work/trial.sh" <<'INNER'
work=$1 program=$2 count=$3
results() { grep -cE "SPEECH OUTPUT: .notification (Right|Wrong|Not known)\." "$work/orca.log"; }
orca --debug-file="$work/orca.log" >/dev/null 2>&1 &
orca=$!
for _ in $(seq 100); do grep -q "Screen reader on" "$work/orca.log" 2>/dev/null && break; sleep 0.1; done
cd "$work/folder"
"$program" >"$work/program.log" 2>&1 &
window=$(xdotool search --sync --name "KTQ Trial" | head -1)
sleep 2
xdotool windowactivate --sync "$window" 2>/dev/null || true
step() { xdotool key --clearmodifiers "$@"; sleep 2; }
# The program logs each question it shows; the keys keep to its pace, not Orca's.
asked() { [ -f qstnslog.txt ] && wc -l <qstnslog.txt || echo 0; }
step alt+Down   # the pool chooser has the focus: open its list
step Return     # the first pool
step Tab        # Prepare..
step space
before=$(asked)
step space      # the focus went on to Start
for n in $(seq "$count"); do
  for _ in $(seq 300); do [ "$(asked)" -ge $((before + n)) ] && break; sleep 0.1; done
  sleep 2       # a listener hears the question out
  xdotool key --clearmodifiers 1
done
# Orca may lag behind; it is then asked to end and its log read once it has.
for _ in $(seq 30); do [ "$(results)" -ge "$count" ] && break; sleep 1; done
kill -TERM "$orca"
wait "$orca"
kill $(jobs -p) 2>/dev/null
INNER
# More busy loops than cores: Orca and the window get a share of a core.
for _ in $(seq $((${KTQ_LOAD:-8} * $(nproc)))); do
  yes >/dev/null &
  load+=($!)
done
timeout 300 bash "$root/scripts/x-session.sh" --wm --a11y "$work" \
  bash "$work/trial.sh" "$work" "$build/ktqtests" "$count" >/dev/null 2>&1 || true
kill "${load[@]}" 2>/dev/null || true
# A log line reads: TIME - SPEECH OUTPUT: 'WORDS'{'established': False}
sed -nE "s/^.*SPEECH OUTPUT: '(.*)' ?\[?\{'established.*$/\1/p" "$work/orca.log" |
  grep -v '^ *$' >"$work/spoken.txt" || true
cat "$work/spoken.txt"
# The questions spoken before the tenth result, each once, and the results.
read -r questions answers < <(awk -v n="$count" '
  /^notification (Right|Wrong|Not known)\./ { if (results < n) results++; next }
  /^notification Question: / && results < n && !seen[$0]++ { questions++ }
  END { print questions + 0, results + 0 }' "$work/spoken.txt")
echo "Orca spoke $questions of $count questions and $answers of $count results" \
  "($(grep -c "FLOOD?" "$work/orca.log" || true) times it found its queue flooded)"
[ "$questions" -ge "$count" ] && [ "$answers" -ge "$count" ]
