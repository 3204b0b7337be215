#!/usr/bin/env bash
# Installs what is missing, then builds and runs every test twice: with
# warnings as errors, and under AddressSanitizer (with LeakSanitizer) and
# UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
cmake --workflow --preset ci
cmake --workflow --preset asan
