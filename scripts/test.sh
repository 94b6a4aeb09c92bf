#!/usr/bin/env bash
# Sets up the machine, checks the formatting, proves the core builds without Qt, builds everything and
# runs every test, then runs the core and command-line tests again under the address and
# undefined-behaviour sanitizers (built with clang, with the fuzz targets) and fuzzes every parser of
# outside bytes for a bounded time.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
jobs=$(nproc)

echo "== formatting (clang-format-14)"
mapfile -t sources < <(git ls-files '*.cpp' '*.h' 2>/dev/null || find core ui cli app platform standins tests bench -name '*.cpp' -o -name '*.h')
clang-format-14 --dry-run --Werror "${sources[@]}"

echo "== core, stand-ins and command line alone (no Qt), warnings as errors"
# Its tests are built and run below, in the sanitizer build, which is also made without Qt.
cmake -S . -B build-core -G Ninja -DMAROVIX_BUILD_UI=OFF -DMAROVIX_BUILD_TESTS=OFF -DMAROVIX_BUILD_BENCH=OFF \
  -DMAROVIX_WERROR=ON >/dev/null
cmake --build build-core -j"$jobs"

echo "== everything, warnings as errors"
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DMAROVIX_WERROR=ON >/dev/null
cmake --build build -j"$jobs"

echo "== tests"
export QT_QPA_PLATFORM=offscreen
(cd build && ctest --output-on-failure -j"$jobs")

echo "== core and command-line tests under the address and undefined-behaviour sanitizers (clang-14)"
# The core-alone build configured again with the sanitizers: no Qt, no benchmarks. Built with clang and
# libFuzzer, so the same build also makes the fuzz targets (and its tests run their seeds once).
cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE=Debug -DMAROVIX_BUILD_UI=OFF -DMAROVIX_BUILD_BENCH=OFF \
  -DMAROVIX_WERROR=ON -DMAROVIX_SANITIZE=ON -DMAROVIX_FUZZ=ON -DCMAKE_CXX_COMPILER=clang++-14 >/dev/null
cmake --build build-sanitize -j"$jobs"
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
(cd build-sanitize && ctest --output-on-failure -j"$jobs")

echo "== fuzzing every parser of outside bytes, 30 s each, two at a time"
bash scripts/fuzz.sh build-sanitize 30 2
