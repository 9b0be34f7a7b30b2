#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package into build-package/ (or the folder given), after
# set-up: a release build of the program alone, with Debian's hardening flags,
# packed by CPack. Two builds of one commit give the same bytes: the times in
# the package are the last commit's unless SOURCE_DATE_EPOCH says otherwise.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
dir=${1:-build-package}
SOURCE_DATE_EPOCH=$(bash packaging/source-date-epoch.sh .)
export SOURCE_DATE_EPOCH
cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=Release -DKTQ_BUILD_TESTS=OFF -DKTQ_BUILD_BENCH=OFF >/dev/null
cmake --build "$dir" -j"$(nproc)"
(cd "$dir" && cpack -G DEB)
ls "$dir"/ktqtests_*.deb
