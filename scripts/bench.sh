#!/usr/bin/env bash
# Builds the benchmarks optimised and measures: the Google Benchmark program
# (five repetitions, medians), then qarel-launch's start-up against a trivial
# program linked the same way. Run it on an otherwise idle machine.
#   scripts/bench.sh          measure
#   scripts/bench.sh --once   run each benchmark once, as CI does, so that
#                             none rots
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh bench
cmake --workflow --preset bench >/dev/null
if [[ ${1:-} == --once ]]; then
  exec build/bench/bench/client_common_bench --benchmark_min_time=0
fi
cmake --workflow --preset release >/dev/null

build/bench/bench/client_common_bench --benchmark_repetitions=5 \
  --benchmark_report_aggregates_only=true --benchmark_min_time=0.5 \
  --benchmark_out=build/bench/results.json --benchmark_out_format=json

bench/startup.py build/bench/bench/trivial_client \
  build/release/bin/qarel-launch
