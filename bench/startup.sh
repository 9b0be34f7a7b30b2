#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Start-up of the window program: time from process start to the window's
# first paint, median of several runs under one X display (Xvfb when there is
# none), and the peak resident memory. Usage: bench/startup.sh [ktqtests] [runs]
# Build with -DCMAKE_BUILD_TYPE=Release or RelWithDebInfo for figures worth quoting.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
program=$(realpath "${1:-$root/build/ktqtests}")
runs=${2:-11}

if [ -z "${DISPLAY:-}" ]; then
  # One display for every run, so its own start-up is not counted.
  exec xvfb-run -a -s "-screen 0 1920x1080x24" "$0" "$program" "$runs"
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/folder" "$work/home"
# A folder as a user has it: the sample pools when there are some, else one small pool.
if compgen -G "$root/demo/*" >/dev/null; then
  cp -r "$root/demo/." "$work/folder/"
else
  printf 'Tech pool 2022\r\nT1A01 (A) [97.1]\r\nQ?\r\nA. a\r\nB. b\r\nC. c\r\nD. d\r\n~~\r\n' \
    >"$work/folder/tech 2022 pool.txt"
fi

cd "$work/folder"
results=""
for _ in $(seq "$runs"); do
  start=$(date +%s%N)
  # The program prints "shown-at-ns=N peak-rss-kb=K" after its first paint and ends.
  line=$(HOME="$work/home" KTQ_REPORT_STARTUP=1 \
           /usr/bin/time -f '%M' -o "$work/time.txt" timeout 20 "$program") ||
    { echo "a run did not report its window within 20 s" >&2; exit 1; }
  shown=${line#shown-at-ns=}
  shown=${shown%% *}
  results+="$(( (shown - start) / 1000 )) ${line##*peak-rss-kb=} $(tail -n 1 "$work/time.txt")"$'\n'
done

printf '%s' "$results" | awk '{ printf "run %2d: %6.1f ms to the window shown, peak RSS %d KB at that moment, %d KB over the run\n", NR, $1 / 1000, $2, $3 }'
printf '%s' "$results" | sort -n | awk -v n="$runs" '
  { t[NR] = $1; if ($3 > rss) rss = $3 }
  END {
    m = (n % 2) ? t[(n + 1) / 2] : (t[n / 2] + t[n / 2 + 1]) / 2
    printf "median: %.1f ms to the window shown (target < 150 ms)\n", m / 1000
    printf "peak resident memory: %.1f MB (target < 60 MB)\n", rss / 1024
  }'
