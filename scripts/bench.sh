#!/usr/bin/env bash
# Builds the benchmarks optimised and measures: the Google Benchmark program
# (five repetitions, medians), then qarel-launch's start-up against a trivial
# program linked the same way, then check over a million links against
# Python and the library's launch. Run it on an otherwise idle machine.
#   scripts/bench.sh          measure
#   scripts/bench.sh --once   run each benchmark once, as CI does, so that
#                             none rots
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh bench
cmake --workflow --preset bench >/dev/null
check=(bench/check_bench.py build/bench/bin/qarel-launch
  build/bench/bench/launch_per_link)
if [[ ${1:-} == --once ]]; then
  build/bench/bench/client_common_bench --benchmark_min_time=0
  exec "${check[@]}" 10000
fi
cmake --workflow --preset release >/dev/null

build/bench/bench/client_common_bench --benchmark_repetitions=5 \
  --benchmark_report_aggregates_only=true --benchmark_min_time=0.5 \
  --benchmark_out=build/bench/results.json --benchmark_out_format=json

bench/startup.py build/bench/bench/trivial_client \
  build/release/bin/qarel-launch

"${check[@]}"
