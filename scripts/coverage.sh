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
gcovr --root . --object-directory build/coverage \
  --filter 'safe_str/' --filter 'option_list/' --filter 'client_common/' \
  --filter 'logging/' --filter 'version/' --filter 'platform_mac/' \
  --exclude-unreachable-branches --print-summary --fail-under-line "$floor"
