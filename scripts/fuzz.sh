#!/usr/bin/env bash
# Builds the fuzz targets (clang, libFuzzer, AddressSanitizer and
# UndefinedBehaviorSanitizer) in build-fuzz/ and runs each one for a while:
#
#     scripts/fuzz.sh [seconds per target] [target ...]
#
# Default 60 seconds, every target of fuzz/. Each run starts from the target's
# seed corpus (fuzz/corpus/<target>) and keeps what it finds to grow the
# coverage in build-fuzz/corpus/<target>; an input that crashes or breaks a
# check is written to build-fuzz/findings/<target>/. At the end a table gives
# the executions of each target; the script fails when any target found
# something. FUZZ_JOBS=n runs n targets at a time (default 1); FUZZ_RUNS=n
# ends a target after n executions when that comes first; BUILD_JOBS=n
# limits the build to n compiler processes.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-60}
shift || true

# The fuzz build is optional, so its compiler and libFuzzer's runtime are
# installed here and not with the program's own packages.
./scripts/install-deps.sh clang-14 libclang-rt-14-dev

if [ ! -f build-fuzz/CMakeCache.txt ]; then
  cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_C_COMPILER=clang-14 -DCMAKE_CXX_COMPILER=clang++-14 -DVARMIKO_FUZZ=ON
fi
cmake --build build-fuzz --target fuzz_targets -j "${BUILD_JOBS:-$(nproc)}"

if [ $# -gt 0 ]; then
  targets=("$@")
else
  targets=()
  for f in fuzz/fuzz_*.cpp; do targets+=("$(basename "$f" .cpp)"); done
fi

runtime=$(mktemp -d)
chmod 700 "$runtime"
trap 'rm -rf "$runtime"' EXIT
export QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR=$runtime
# Leaks are looked for at the end of each run (and in the sanitizer build of
# the test suite), not after every input: the readers keep caches, and a leak
# scan after each input that grows one makes the search a hundred times
# slower. For the same reason allocations are not traced back; run a
# finding's input again with ASAN_OPTIONS=malloc_context_size=30 to see where
# its memory came from.
export ASAN_OPTIONS=detect_leaks=1:malloc_context_size=0 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

run_one() {
  local t=$1
  mkdir -p "build-fuzz/corpus/$t" "build-fuzz/findings/$t" build-fuzz/logs
  if build-fuzz/fuzz/"$t" -max_total_time="$seconds" -runs="${FUZZ_RUNS:--1}" -detect_leaks=0 \
      -print_final_stats=1 -timeout=20 -rss_limit_mb=4096 \
      -artifact_prefix="build-fuzz/findings/$t/" "build-fuzz/corpus/$t" "fuzz/corpus/$t" \
      >"build-fuzz/logs/$t.log" 2>&1; then
    echo "ok" >"build-fuzz/logs/$t.result"
  else
    echo "FINDING" >"build-fuzz/logs/$t.result"
  fi
}

jobs=${FUZZ_JOBS:-1}
for t in "${targets[@]}"; do
  while [ "$(jobs -rp | wc -l)" -ge "$jobs" ]; do wait -n || true; done
  echo "fuzz: $t for ${seconds}s"
  run_one "$t" &
done
wait

failed=0
printf '\n%-22s %14s %10s %8s  %s\n' target executions exec/s corpus result
for t in "${targets[@]}"; do
  log=build-fuzz/logs/$t.log
  execs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
  rate=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log" | tail -1)
  corpus=$(find "build-fuzz/corpus/$t" -type f | wc -l)
  result=$(cat "build-fuzz/logs/$t.result")
  printf '%-22s %14s %10s %8s  %s\n' "$t" "${execs:-?}" "${rate:-?}" "$corpus" "$result"
  if [ "$result" != ok ]; then
    failed=1
    echo "  see $log and build-fuzz/findings/$t/" >&2
  fi
done
exit $failed
