#!/usr/bin/env bash
# Builds the benchmarks optimised and measures: the Google Benchmark program
# (five repetitions, medians), then qarel-launch's start-up against a trivial
# program linked the same way (hyperfine). Run it on an otherwise idle machine.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
command -v hyperfine >/dev/null || {
  apt-get install -y -qq --no-install-recommends hyperfine >/dev/null
}
cmake --workflow --preset bench >/dev/null
cmake --workflow --preset release >/dev/null

build/bench/bench/client_common_bench --benchmark_repetitions=5 \
  --benchmark_report_aggregates_only=true --benchmark_min_time=0.5 \
  --benchmark_out=build/bench/results.json --benchmark_out_format=json

launch=build/release/tools/qarel-launch
# A typical launch, without a log file (which would add file writes).
args='--address=192.0.2.10 --port 900 -l3 --full-screen --use-smartcard --sni=desk-pool --session-id s-42 --locale=en_US "quorvane-qarel://192.0.2.10:900?full-screen&sni=desk%20pool&session-id=s-42&use-smartcard&usb-auto-forward&locale=en_US&log-level=3"'
hyperfine -N --warmup 50 --runs 2000 \
  "build/bench/bench/trivial_client" \
  "$launch parse $args"
