#!/usr/bin/env bash
# Counts non-blank, non-comment lines: the C/C++ under tests/ and fuzz/ plus
# test data under tests/, against the rest of the project's C/C++, and prints
# the share the tests make of the code.
set -euo pipefail
cd "$(dirname "$0")/.."

# Lines that are neither blank, nor a // comment, nor inside /* ... */.
count() {
  [ $# -eq 0 ] && { echo 0; return; }
  awk '
    /^[[:space:]]*$/ { next }
    in_block { if (index($0, "*/")) in_block = 0; next }
    /^[[:space:]]*\/\// { next }
    /^[[:space:]]*\/\*/ { if (!index($0, "*/")) in_block = 1; next }
    { n++ }
    END { print n + 0 }' "$@"
}

source_files='\.(c|cc|cpp|h|hpp|mm)(\.in)?$'
mapfile -t tests < <(git ls-files tests fuzz | grep -E "$source_files|^tests/" |
  grep -v -E '(^|/)CMakeLists\.txt$|\.cmake$')
mapfile -t code < <(git ls-files | grep -E "$source_files" | grep -v -E '^(tests|fuzz)/')
t=$(count "${tests[@]}")
c=$(count "${code[@]}")
echo "tests $t, code $c: $((100 * t / c))%"
