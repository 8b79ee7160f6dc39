#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the libFuzzer harnesses of tests/fuzz with clang, AddressSanitizer and
# UndefinedBehaviorSanitizer into build-fuzz/, replays the committed seeds, then
# fuzzes each target for a while. Any crash, sanitizer report, timeout, leak or
# broken property stops it with a failure; the input is kept in build-fuzz/.
#   scripts/fuzz.sh [seconds per target] [target...]
#     seconds   how long each target runs (default 45); 0 only replays the seeds
#     target    ini, octets, calculator, advedit_text, address_input (default: all)
# Environment: FUZZ_JOBS (targets run side by side, default 1),
#              MASKWELL_FUZZ_BUILD_DIR (default build-fuzz).
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-45}
shift || true
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(ini octets calculator advedit_text address_input)
jobs=${FUZZ_JOBS:-1}
build_dir=${MASKWELL_FUZZ_BUILD_DIR:-build-fuzz}

scripts/deps.sh fuzz
# No precompiled headers: clang's are named by absolute path in every compile
# command, which the compiler cache cannot make relative, so with them a clone
# in another folder would miss the cache on every file.
scripts/configure.sh "$build_dir" -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DMASKWELL_BUILD_FUZZERS=ON -DMASKWELL_BUILD_TESTS=OFF -DMASKWELL_BUILD_BENCHMARKS=OFF \
  -DCMAKE_DISABLE_PRECOMPILE_HEADERS=ON
cmake --build "$build_dir" --parallel "$(nproc)" --target "${targets[@]/#/fuzz_}"

export ASAN_OPTIONS="halt_on_error=1:abort_on_error=1:detect_leaks=1"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
export LSAN_OPTIONS="suppressions=$PWD/.ci/lsan.supp:print_suppressions=0"
export QT_QPA_PLATFORM=offscreen

# The seeds first, each once: a fault they show needs no fuzzing to find.
for target in "${targets[@]}"; do
  echo "== replaying the seeds of $target"
  "$build_dir/tests/fuzz/fuzz_$target" tests/fuzz/corpus/"$target"/* 2>&1 | tail -n 2
done
[ "$seconds" -gt 0 ] || exit 0

# New inputs go to build-fuzz/corpus/<target>; the committed seeds stay as they are.
run() {
  local target=$1 work="$build_dir/corpus/$1" artifacts="$build_dir/artifacts/$1/" status=0
  mkdir -p "$work" "$artifacts"
  "$build_dir/tests/fuzz/fuzz_$target" "$work" tests/fuzz/corpus/"$target" \
    -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=512 \
    -print_final_stats=1 -artifact_prefix="$artifacts" >"$build_dir/fuzz-$target.log" 2>&1 ||
    status=$?
  grep -E '^#[0-9]+.*(DONE|pulse)|stat::number_of_executed_units|stat::peak_rss_mb' \
    "$build_dir/fuzz-$target.log" | tail -n 3 | sed "s/^/$target: /"
  if [ $status -ne 0 ]; then
    echo "$target FAILED (log: $build_dir/fuzz-$target.log)"
    tail -n 40 "$build_dir/fuzz-$target.log"
  fi
  return $status
}

failed=0
pids=()
for target in "${targets[@]}"; do
  run "$target" &
  pids+=($!)
  if [ ${#pids[@]} -ge "$jobs" ]; then
    wait "${pids[0]}" || failed=1
    pids=("${pids[@]:1}")
  fi
done
for pid in "${pids[@]}"; do wait "$pid" || failed=1; done
exit $failed
