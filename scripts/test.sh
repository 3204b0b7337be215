#!/usr/bin/env bash
# Installs what is missing, then builds and runs every test: with warnings
# as errors, and under AddressSanitizer (with LeakSanitizer) and
# UndefinedBehaviorSanitizer; the threaded ones (the core log, logging and
# launch arguments) under ThreadSanitizer; the first two again built by
# clang against libc++, the standard library of the library's users, with
# exports by visibility alone; and the macOS functions' Objective-C++ source
# against GNUstep's Foundation.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
cmake --workflow --preset ci
cmake --workflow --preset asan
cmake --workflow --preset tsan
cmake --workflow --preset libcxx
cmake --workflow --preset libcxx-asan
cmake --workflow --preset gnustep
