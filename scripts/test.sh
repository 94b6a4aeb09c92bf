#!/usr/bin/env bash
# Sets up the machine, checks the formatting, builds everything and runs every test, then builds the
# core, stand-ins, command line and their tests again without Qt, with warnings as errors, under the
# address and undefined-behaviour sanitizers (with clang, with the fuzz targets), runs those tests
# there and fuzzes every parser of outside bytes for a bounded time. That second build is what proves
# the core needs no Qt.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
jobs=$(nproc)

echo "== formatting (clang-format-14)"
mapfile -t sources < <(git ls-files '*.cpp' '*.h' 2>/dev/null || find core ui cli app platform standins tests bench -name '*.cpp' -o -name '*.h')
clang-format-14 --dry-run --Werror "${sources[@]}"

echo "== everything, warnings as errors"
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DMAROVIX_WERROR=ON >/dev/null
cmake --build build -j"$jobs"

echo "== tests"
export QT_QPA_PLATFORM=offscreen
(cd build && ctest --output-on-failure -j"$jobs")

echo "== core alone (no Qt), its tests under the address and undefined-behaviour sanitizers (clang-14)"
# No Qt, no benchmarks, warnings as errors. Built with clang and libFuzzer, so the same build also makes
# the fuzz targets (and its tests run their seeds once).
cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE=Debug -DMAROVIX_BUILD_UI=OFF -DMAROVIX_BUILD_BENCH=OFF \
  -DMAROVIX_WERROR=ON -DMAROVIX_SANITIZE=ON -DMAROVIX_FUZZ=ON -DCMAKE_CXX_COMPILER=clang++-14 \
  -DCMAKE_CXX_FLAGS_DEBUG=-gline-tables-only >/dev/null
cmake --build build-sanitize -j"$jobs"
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
(cd build-sanitize && ctest --output-on-failure -j"$jobs")

echo "== fuzzing every parser of outside bytes, 30 s each, two at a time"
bash scripts/fuzz.sh build-sanitize 30 2
