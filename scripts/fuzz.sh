#!/usr/bin/env bash
# Runs every fuzz target of a build made with MAROVIX_FUZZ=ON for a bounded time, PARALLEL at a time:
#   scripts/fuzz.sh BUILD_DIR [SECONDS=30] [PARALLEL=2]
# Each target starts from its generated seeds (BUILD_DIR/fuzz/seeds/<target>) and the reproducers kept in
# fuzz/corpus/<target>. A crash, a hang (one input running longer than 10 s), a leak, a memory use above
# 2 GB or any sanitizer report ends the target with an error and fails the run; the target's log and the
# input that did it are left in BUILD_DIR/fuzz/runs/<target>/. Prints per target the executions run.
set -euo pipefail
build=$(cd "${1:?usage: scripts/fuzz.sh BUILD_DIR [SECONDS] [PARALLEL]}" && pwd)
seconds=${2:-30}
parallel=${3:-2}
root=$(cd "$(dirname "$0")/.." && pwd)
runs=$build/fuzz/runs
rm -rf "$runs"
mkdir -p "$runs"
mapfile -t targets < "$build/fuzz/targets.txt"

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export build seconds root runs
run_target() {
  local name=$1 dir=$runs/$1
  mkdir -p "$dir/corpus"
  if "$build/fuzz/bin/fuzz_$name" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -detect_leaks=1 \
      -print_final_stats=1 -artifact_prefix="$dir/" "$dir/corpus" "$build/fuzz/seeds/$name" \
      "$root/fuzz/corpus/$name" > "$dir/log" 2>&1; then
    echo ok > "$dir/status"
  else
    echo "failed ($?)" > "$dir/status"
  fi
}
export -f run_target
printf '%s\n' "${targets[@]}" | xargs -P "$parallel" -I{} bash -c 'run_target {}'

failed=0
for name in "${targets[@]}"; do
  dir=$runs/$name
  executions=$(sed -n 's/^stat::number_of_executed_units: *//p' "$dir/log" | tail -1)
  coverage=$(grep -o 'cov: [0-9]*' "$dir/log" | tail -1 || true)
  status=$(cat "$dir/status" 2>/dev/null || echo "did not run")
  printf '%-16s %10s executions  %-10s %s\n' "$name" "${executions:-?}" "${coverage:-cov: ?}" "$status"
  if [ "$status" != ok ]; then
    failed=1
    echo "---- fuzz_$name (log: $dir/log)"
    grep -v '^#' "$dir/log" | tail -40
  fi
done
exit $failed
