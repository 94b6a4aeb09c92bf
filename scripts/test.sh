#!/usr/bin/env bash
# Sets up the machine, proves the core builds without Qt, builds everything and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
jobs=$(nproc)

echo "== core alone (no Qt), warnings as errors"
cmake -S . -B build-core -G Ninja -DMAROVIX_BUILD_UI=OFF -DMAROVIX_BUILD_BENCH=OFF -DMAROVIX_WERROR=ON >/dev/null
cmake --build build-core -j"$jobs"

echo "== everything, warnings as errors"
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DMAROVIX_WERROR=ON >/dev/null
cmake --build build -j"$jobs"

echo "== tests"
export QT_QPA_PLATFORM=offscreen
cd build
ctest --output-on-failure -j"$jobs"
