#!/usr/bin/env bash
# Builds the Debian package into build-package/ (or the folder given), after
# set-up: a release build of the program alone, packed by CPack.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
dir=${1:-build-package}
cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=Release -DKTQ_BUILD_TESTS=OFF -DKTQ_BUILD_BENCH=OFF >/dev/null
cmake --build "$dir" -j"$(nproc)"
(cd "$dir" && cpack -G DEB)
ls "$dir"/ktqtests_*.deb
