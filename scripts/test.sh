#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Sets everything up, builds, and runs every test: the full build (with the Qt
# skin, warnings as errors), then a sanitizer build for the non-GUI tests,
# then a short run of every fuzz target when clang is there.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
jobs=$(nproc)

# The committed style holds: nothing to reformat.
git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run -Werror
# Every source, CMake and shell file names its licence.
bash scripts/spdx-headers.sh --check

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKTQ_WERROR=ON >/dev/null
cmake --build build -j"$jobs"
(cd build && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$jobs")

cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DKTQ_SANITIZE=ON -DKTQ_BUILD_GUI=OFF \
      -DKTQ_BUILD_BENCH=OFF -DKTQ_WERROR=ON >/dev/null
cmake --build build-asan -j"$jobs"
(cd build-asan && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
   ctest --output-on-failure -j"$jobs" -L 'unit|scenario')

if command -v clang++ >/dev/null 2>&1; then
    bash scripts/fuzz.sh 10
fi
