#!/usr/bin/env bash
# Builds the event-stream fuzzer with clang under the address and
# undefined-behaviour sanitizers and runs it from the seed corpus in
# tests/fuzz/corpus.
#
#   bash tools/fuzz.sh                      # as CI: a fixed number of executions
#   bash tools/fuzz.sh -runs=-1 -max_total_time=3600 -seed=0    # an hour, fresh seed
#
# Arguments go to libFuzzer after the defaults, so they win. Inputs that reach
# new code collect in build-fuzz/corpus and are started from next time. A crash
# or a broken invariant fails and leaves its input in build-fuzz/artifacts;
# give that file to build-fuzz/tests/fuzz/zorbel_fuzz to replay it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/deps.sh play test
build="${BUILD_DIR:-build-fuzz}"
runs="${FUZZ_RUNS:-8000}"
CC=clang CXX=clang++ cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DZORBEL_BUILD_UI=OFF -DZORBEL_BUILD_BENCH=OFF >/dev/null
cmake --build "$build" -j"$(nproc)" --target zorbel_fuzz
mkdir -p "$build/corpus" "$build/artifacts"
artifacts="$(cd "$build/artifacts" && pwd)/"
log="$build/fuzz.log"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1}"

# The full output goes to the log; progress at every power of two and the
# final figures are shown.
set +e
"$build/tests/fuzz/zorbel_fuzz" -runs="$runs" -seed=1 -max_len=1024 -timeout=20 -print_final_stats=1 \
  -artifact_prefix="$artifacts" "$@" "$build/corpus" tests/fuzz/corpus 2>&1 |
  tee "$log" | grep --line-buffered -E '^#[0-9]+[[:space:]]+(INITED|pulse|DONE)|^stat::|^Done'
status=${PIPESTATUS[0]}
set -e
if [ "$status" -ne 0 ]; then
  tail -n 60 "$log" >&2
  echo "fuzz: FAILED: $(grep -m1 -E '^broken invariant|ERROR:' "$log" || echo "status $status")" >&2
  echo "fuzz: the input that did it is in $artifacts (full output in $log):" >&2
  ls -1 "$artifacts" >&2
  echo "fuzz: replay it with $build/tests/fuzz/zorbel_fuzz FILE" >&2
  exit 1
fi
