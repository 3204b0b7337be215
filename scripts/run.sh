#!/usr/bin/env bash
# Installs what is missing, builds the release configuration and runs the
# main job.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
cmake --workflow --preset release
echo "Built: $(ls build/release/libclient_common.so* | head -n 1)"
