#!/usr/bin/env bash
# Line coverage of the library's own sources by the whole test suite, with
# Debian's gcovr: builds the coverage preset, runs every test, prints the
# report and fails below the floor (95% of lines).
#   scripts/coverage.sh [FLOOR]
set -euo pipefail
cd "$(dirname "$0")/.."

floor=${1:-95}
scripts/install-deps.sh
find build/coverage -name '*.gcda' -delete 2>/dev/null || true
cmake --workflow --preset coverage >/dev/null
# The library's folders, as the build lists them.
filters=()
while read -r folder; do
  filters+=(--filter "$folder/")
done <build/coverage/client_common_folders.txt
gcovr --root . --object-directory build/coverage "${filters[@]}" \
  --exclude-unreachable-branches --print-summary --fail-under-line "$floor"
