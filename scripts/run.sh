#!/usr/bin/env bash
# Installs what is missing, builds the release configuration and runs
# qarel-launch with the given arguments (none: its round-trip example). Each
# step says what it does on standard error, so standard output is the tool's.
set -euo pipefail
cd "$(dirname "$0")/.."

step() { echo "run.sh: $*" >&2; }
step "installing the Debian packages that are missing (scripts/install-deps.sh)"
scripts/install-deps.sh
step "building build/release (cmake --workflow --preset release)"
cmake --workflow --preset release >/dev/null
step "running build/release/bin/qarel-launch $*"
exec build/release/bin/qarel-launch "$@"
