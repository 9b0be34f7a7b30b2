#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the fuzz targets with clang (in build-fuzz) and runs each for SECONDS
# (default 60), as many at a time as there are processors (KTQ_FUZZ_JOBS to
# change). The committed seeds in tests/fuzz/corpus are only read; what the
# runs learn stays in build-fuzz/corpus. Fails when any target finds an input
# that breaks a property, crashes, leaks, hangs or takes too much memory; the
# input is kept in build-fuzz/findings.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
jobs=${KTQ_FUZZ_JOBS:-$(nproc)}
root=$PWD
out=$root/build-fuzz

CC=clang CXX=clang++ cmake -S . -B "$out" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKTQ_FUZZ=ON \
  -DKTQ_BUILD_GUI=OFF -DKTQ_BUILD_BENCH=OFF -DKTQ_BUILD_TESTS=OFF -DKTQ_WERROR=ON >/dev/null
cmake --build "$out" -j"$jobs" --target ktq-fuzz

run_target() {
    local name=$1
    local work=$out/run/$name
    mkdir -p "$work" "$out/corpus/$name" "$out/findings"
    local options=(-max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048
                   -malloc_limit_mb=512 -print_final_stats=1
                   -artifact_prefix="$out/findings/$name-")
    [ -e "$root/tests/fuzz/$name.dict" ] && options+=(-dict="$root/tests/fuzz/$name.dict")
    # Its own empty folder, so nothing the program looks for is found by chance.
    (cd "$work" && "$out/tests/fuzz/$name" "${options[@]}" \
        "$out/corpus/$name" "$root/tests/fuzz/corpus/$name" >"$out/run/$name.log" 2>&1)
}

report() {
    local name=$1 status=$2 log=$out/run/$1.log
    local execs speed
    execs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
    speed=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log")
    if [ "$status" -eq 0 ]; then
        printf '%-22s ok   %10s execs %8s execs/s\n' "$name" "${execs:-?}" "${speed:-?}"
    else
        printf '%-22s FAILED (see %s)\n' "$name" "$log"
        grep -E 'ERROR|property does not hold|SUMMARY|Test unit written' "$log" | head -20 || true
    fi
}

names=()
for source in tests/fuzz/*Fuzz.cpp; do names+=("$(basename "$source" .cpp)"); done
declare -A pid_of
failed=0
running=0
for name in "${names[@]}"; do
    if [ "$running" -ge "$jobs" ]; then
        wait -n || true
        running=$((running - 1))
    fi
    run_target "$name" &
    pid_of[$name]=$!
    running=$((running + 1))
done
for name in "${names[@]}"; do
    status=0
    wait "${pid_of[$name]}" || status=$?
    report "$name" "$status"
    [ "$status" -eq 0 ] || failed=1
done
exit $failed
