#!/usr/bin/env bash
# Installs what is missing, builds the release configuration and runs
# qarel-launch with the given arguments (none: its round-trip example).
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
cmake --workflow --preset release >/dev/null
exec build/release/bin/qarel-launch "$@"
