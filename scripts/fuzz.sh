#!/usr/bin/env bash
# Builds the libFuzzer targets (clang, AddressSanitizer, UndefinedBehaviorSanitizer) and runs
# each for SECONDS (default 60) from its seed corpus in tests/fuzz/corpus. A crash, hang,
# sanitizer report or uncaught exception stops with a non-zero status; the input is left in
# build/fuzz/artifacts. Keep such an input in tests/fuzz/regressions/<target>/ once fixed.
#   scripts/fuzz.sh [SECONDS] [TARGET ...]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
shift || true
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(parsenumber actah dctah acmot dcdpt answers)

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz
mkdir -p build/fuzz/artifacts
for t in "${targets[@]}"; do
  work=build/fuzz/corpus/$t
  mkdir -p "$work"
  echo "fuzz $t for ${seconds}s"
  build/fuzz/tests/fuzz/${t}_fuzz -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
    -artifact_prefix=build/fuzz/artifacts/$t- -print_final_stats=0 "$work" "tests/fuzz/corpus/$t" \
    2>build/fuzz/$t.log || { tail -40 build/fuzz/$t.log; echo "fuzz $t: FAILED"; exit 1; }
  grep -E '^(#[0-9]+ +DONE|Done)' build/fuzz/$t.log | tail -1 || true
done
echo "fuzz: all targets ran ${seconds}s without a finding"
