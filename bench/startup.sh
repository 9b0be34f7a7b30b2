#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Start-up of the window program against the toolkit's floor: the time from
# process start to the window's first paint, and the peak resident memory,
# for a bare Qt window of forty widgets of the kinds the window is made of (the
# floor) and one of forty of the plainest kinds, the program in the build
# folder and the program installed, run in turn (interleaved series) on one X
# display (Xvfb when there is none), in a study folder whose documents were
# copied by an earlier run. More programs are compared as NAME=PATH.
#   bash bench/startup.sh [BUILD_DIR] [RUNS] [NAME=PATH ...]
# Build with -DCMAKE_BUILD_TYPE=Release or RelWithDebInfo for figures worth quoting.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(realpath "${1:-$root/build}")
runs=${2:-21}
shift $(( $# < 2 ? $# : 2 ))

if [ -z "${DISPLAY:-}" ]; then
  # One display for every run, so its own start-up is not counted.
  exec xvfb-run -a -s "-screen 0 1920x1080x24" "$0" "$build" "$runs" "$@"
fi
launch=$build/bench/ktq-startup-launch
for needed in "$build/ktqtests" "$build/bench/ktq-startup-floor" "$build/bench/ktq-startup-floor-plain" "$launch"; do
  [ -x "$needed" ] || { echo "no $needed: build first (bash scripts/build.sh)" >&2; exit 2; }
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/folder" "$work/home" "$work/runtime"
chmod 700 "$work/runtime"
cmake --install "$build" --prefix "$work/usr" --strip >/dev/null
names=(floor plain-floor build installed)
programs=("$build/bench/ktq-startup-floor" "$build/bench/ktq-startup-floor-plain" "$build/ktqtests"
          "$work/usr/bin/ktqtests")
for pair in "$@"; do names+=("${pair%%=*}"); programs+=("$(realpath "${pair#*=}")"); done

# The published pools in force with their notes, as a user's folder has them.
if [ -d "$build/samples" ]; then cp -r "$build/samples/." "$work/folder/"; else cp -r "$root/demo/." "$work/folder/"; fi
cd "$work/folder"

once() {  # once PROGRAM: prints "MICROSECONDS PEAK_KB_AT_SHOWN PEAK_KB_OVER_RUN"
  local out started shown
  # The launcher prints "started-at-ns=N" and becomes the program, which
  # prints "shown-at-ns=N peak-rss-kb=K ..." after its first paint and ends.
  out=$(HOME="$work/home" XDG_RUNTIME_DIR="$work/runtime" KTQ_REPORT_STARTUP=1 \
          timeout 20 /usr/bin/time -f '%M' -o "$work/time.txt" "$launch" "$1") ||
    { echo "$1 did not report its window within 20 s" >&2; exit 1; }
  started=${out#*started-at-ns=}; started=${started%%[!0-9]*}
  shown=${out#*shown-at-ns=}; shown=${shown%% *}
  out=${out#*peak-rss-kb=}
  echo "$(( (shown - started) / 1000 )) ${out%%[!0-9]*} $(tail -n 1 "$work/time.txt")"
}

# The first run of each copies the documents and warms the file cache.
for p in "${programs[@]}"; do once "$p" >/dev/null; done
for _ in $(seq "$runs"); do
  for i in "${!programs[@]}"; do echo "${names[$i]} $(once "${programs[$i]}")"; done
done >"$work/runs.txt"

echo "$runs runs each, interleaved; median time to the window shown, peak resident memory"
for name in "${names[@]}"; do
  awk -v n="$name" '$1 == n { print $2, $4 }' "$work/runs.txt" | sort -n | awk -v name="$name" '
    { t[NR] = $1; if ($2 > rss) rss = $2 }
    END { m = (NR % 2) ? t[(NR + 1) / 2] : (t[NR / 2] + t[NR / 2 + 1]) / 2
          printf "%s %.0f %d\n", name, m, rss }'
done | awk '
  NR == 1 { floor = $2; floorRss = $3 }
  { printf "%-10s %6.1f ms  %5.2fx the floor   %5.1f MB  %+5.1f MB over the floor\n",
           $1, $2 / 1000, $2 / floor, $3 / 1024, ($3 - floorRss) / 1024 }'
