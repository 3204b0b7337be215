#!/usr/bin/env bash
# Builds the API reference with Doxygen from the public headers' contract
# comments, into build/docs/docs/html; a public function, parameter, result,
# type or constant without its comment fails it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake --workflow --preset docs >/dev/null
echo "API reference: build/docs/docs/html/index.html"
