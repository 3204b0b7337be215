#!/usr/bin/env bash
# Prints the instructions of one whole launch (the benchmark's: the standard
# table, eleven tokens and a launch URI with eight parameters), counted by
# callgrind over 11,000 launches less 1,000, divided by 10,000, so that
# start-up cancels out. Counts are deterministic where timings are not.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake --workflow --preset bench >/dev/null

count() {
  valgrind --tool=callgrind --callgrind-out-file=/dev/null \
    build/bench/bench/launch_instructions "$1" 2>&1 |
    sed -n 's/.*Collected : //p'
}
few=$(count 1000)
many=$(count 11000)
echo "$(((many - few) / 10000)) instructions per launch"
