#!/usr/bin/env bash
# Runs each fuzz target for a long while (10,000,000 inputs, or LUMARIN_FUZZ_RUNS), one after the
# other, and prints per target the inputs run, inputs per second, and the coverage reached (cov:
# and ft: of libFuzzer's last status line). Builds the targets first when needed. Not run by CI.
# Each target keeps its own corpus between these runs, apart from the one the ctest runs grow.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${LUMARIN_BUILD:-$root/build}
runs=${LUMARIN_FUZZ_RUNS:-10000000}

[ -f "$build/CMakeCache.txt" ] || cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" --target lumarin_fuzzers >/dev/null
targets=$(sed -n 's/^set(LUMARIN_FUZZ_TARGETS \(.*\))$/\1/p' "$root/tests/fuzz/fuzz_targets.cmake")
# The corpus folders a target reads where they are installed (fuzz_targets.cmake).
installed_corpus() { sed -n "s/^set(LUMARIN_FUZZ_INSTALLED_CORPUS_$1 \(.*\))$/\1/p" "$root/tests/fuzz/fuzz_targets.cmake"; }

# As the ctest runs have them: every sanitizer report stops the run.
export ASAN_OPTIONS=halt_on_error=1:detect_leaks=1:detect_stack_use_after_return=1
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1

# The value of libFuzzer's final "stat::NAME:" line in log $1.
final_stat() { sed -n "s/^stat::$2: *//p" "$1"; }
# The number after "NAME: " in the last status line of log $1.
last_status() { grep ' cov: ' "$1" | tail -1 | sed -n "s/.* $2: \([0-9]*\).*/\1/p"; }

failed=0
printf '%-14s %12s %10s %6s %6s\n' target inputs inputs/s cov ft
for name in $targets; do
  work=$build/fuzz/long/$name
  mkdir -p "$work/corpus"
  log=$work/run.log
  if "$build/fuzz/tests/fuzz/${name}_fuzzer" -runs="$runs" -print_final_stats=1 -artifact_prefix="$work/" \
      "$work/corpus" "$root/tests/fuzz/$name/seeds" $(installed_corpus "$name") >"$log" 2>&1; then
    printf '%-14s %12s %10s %6s %6s\n' "$name" "$(final_stat "$log" number_of_executed_units)" \
      "$(final_stat "$log" average_exec_per_sec)" "$(last_status "$log" cov)" "$(last_status "$log" ft)"
  else
    printf '%-14s FAILED, see %s\n' "$name" "$log"
    failed=1
  fi
done
exit $failed
