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
# Each step says when it starts, in seconds since the setup ended.
SECONDS=0

echo "== formatting (clang-format-14) (at ${SECONDS} s)"
mapfile -t sources < <(git ls-files '*.cpp' '*.h' 2>/dev/null || find core ui cli app platform standins tests bench -name '*.cpp' -o -name '*.h')
clang-format-14 --dry-run --Werror "${sources[@]}"

# Both builds are unity builds (several sources compiled as one unit: about half the compile time). The
# first has no debug information, a third of its compile time, which a test run does not read.
echo "== everything, warnings as errors (at ${SECONDS} s)"
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O2 -DNDEBUG" \
  -DCMAKE_UNITY_BUILD=ON -DMAROVIX_WERROR=ON >/dev/null
cmake --build build -j"$jobs"

# The tests make, write, replace and remove many small files in their temporary folders; on a virtual
# machine's disk that costs more than the tests' own work (system time was most of a run's CPU time, and
# the run took over twice as long). Where the machine has a file system in memory with room to spare,
# the tests' temporary folders are made in a folder of this run's own there, removed at the end; else in
# the system's.
test_tmp=${TMPDIR:-/tmp}
if [ -d /dev/shm ] && [ -w /dev/shm ] && [ "$(df -Pk /dev/shm | awk 'NR == 2 { print $4 }')" -ge 2097152 ]; then
  test_tmp=$(mktemp -d /dev/shm/marovix-tests.XXXXXX)
  trap 'rm -rf "$test_tmp"' EXIT
fi
run_tests() { (cd "$1" && TMPDIR=$test_tmp ctest --output-on-failure -j"$jobs"); }

echo "== tests (at ${SECONDS} s)"
export QT_QPA_PLATFORM=offscreen
run_tests build

echo "== core alone (no Qt), its tests under the address and undefined-behaviour sanitizers (clang-14) (at ${SECONDS} s)"
# No Qt, no benchmarks, warnings as errors. Built with clang and libFuzzer, so the same build also makes
# the fuzz targets (and its tests run their seeds once). At -O1 the instrumented tests run in less than
# half the time they take at -O0, for a little more compile time; line tables are enough for the reports.
cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE=Debug -DMAROVIX_BUILD_UI=OFF -DMAROVIX_BUILD_BENCH=OFF \
  -DMAROVIX_WERROR=ON -DMAROVIX_SANITIZE=ON -DMAROVIX_FUZZ=ON -DCMAKE_CXX_COMPILER=clang++-14 \
  "-DCMAKE_CXX_FLAGS_DEBUG=-O1 -gline-tables-only" -DCMAKE_UNITY_BUILD=ON >/dev/null
cmake --build build-sanitize -j"$jobs"
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
run_tests build-sanitize

echo "== fuzzing every parser of outside bytes, 10 s each, two at a time (at ${SECONDS} s)"
status=0
bash scripts/fuzz.sh build-sanitize 10 2 || status=$?
echo "== Windows: the 32-bit build and its tests under Wine (scripts/test-windows.sh) (at ${SECONDS} s)"
windows_start=${SECONDS}
bash scripts/test-windows.sh build || status=$?
echo "== the Windows part took $((SECONDS - windows_start)) s"
echo "== done (at ${SECONDS} s)"
exit $status
