#!/usr/bin/env bash
# Builds the libFuzzer targets (Clang, ASan, UBSan) and runs each for a
# bounded time, starting from its checked-in corpus (fuzz/corpus/<target>).
# A finding fails the run and is saved under build/fuzz/findings/; add it to
# the target's corpus as a regression case once fixed.
#   scripts/fuzz.sh [SECONDS_PER_TARGET] [TARGET...]
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-60}
shift || true
scripts/install-deps.sh
cmake --workflow --preset fuzz >/dev/null

targets=("$@")
if ((${#targets[@]} == 0)); then
  targets=($(cd fuzz/corpus && ls))
fi
mkdir -p build/fuzz/findings
for target in "${targets[@]}"; do
  work=build/fuzz/corpus/$target
  mkdir -p "$work"
  echo "== $target: ${seconds}s"
  # New inputs go to the scratch corpus; the targets' own output is closed
  # (libFuzzer still reports).
  build/fuzz/fuzz/"$target" "$work" "fuzz/corpus/$target" \
    -max_total_time="$seconds" -timeout=30 -rss_limit_mb=2048 \
    -close_fd_mask=3 -print_final_stats=1 \
    -artifact_prefix="build/fuzz/findings/$target-" 2>&1 |
    grep -E "^(#[0-9]+ +DONE|stat::number_of_executed_units|stat::peak_rss|==[0-9]+==|SUMMARY|INFO: seed corpus)|cov:" |
    tail -n 4
  test "${PIPESTATUS[0]}" -eq 0
done
