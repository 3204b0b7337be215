#!/usr/bin/env bash
# Copies the working tree into FOLDER: tracked and new files as they stand,
# nothing ignored (no builds).
#   scripts/copy-tree.sh FOLDER
set -euo pipefail
cd "$(dirname "$0")/.."
mkdir -p "$1"
git ls-files -z --cached --others --exclude-standard |
  tar -c --null -T - --ignore-failed-read 2>/dev/null |
  tar -x -C "$1"
