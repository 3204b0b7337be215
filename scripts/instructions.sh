#!/usr/bin/env bash
# Prints the instructions of one whole launch (the benchmark's: the standard
# table, eleven tokens and a launch URI with eight parameters), counted by
# callgrind over 11,000 launches less 1,000, divided by 10,000, so that
# start-up cancels out; also parsed through the observed entry, with a
# null callback and with one that counts. Counts are deterministic where
# timings are not. Two builds: GCC with libstdc++ (the bench preset) and
# clang with libc++, the standard library of the library's users
# (bench-libcxx).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh bench
cmake --workflow --preset bench >/dev/null
cmake --workflow --preset bench-libcxx >/dev/null

count() {
  valgrind --tool=callgrind --callgrind-out-file=/dev/null \
    "build/$1/bench/launch_instructions" "$2" ${3:+"$3"} 2>&1 |
    sed -n 's/.*Collected : //p'
}
per_launch() {
  echo $((($(count "$1" 11000 "${2:-}") - $(count "$1" 1000 "${2:-}")) / 10000))
}
for preset in bench bench-libcxx; do
  case $preset in
    bench) library="GCC, libstdc++" ;;
    *) library="clang, libc++" ;;
  esac
  echo "$(per_launch "$preset") instructions per launch ($library)"
  echo "$(per_launch "$preset" null) observed with a null callback ($library)"
  echo "$(per_launch "$preset" observed) observed with a callback ($library)"
done
