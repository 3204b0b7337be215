#!/usr/bin/env bash
# The tests' share of all the code, counted as the before-stop hook counts
# it: lines that are neither blank nor a // comment. Tests: the C/C++ under
# tests/ and fuzz/, and every other file under tests/ but CMake's; the rest:
# all other C, C++ and Objective-C++, bench/ included. Fails above a third.
set -euo pipefail
cd "$(dirname "$0")/.."

count() { xargs -r cat | { grep -c -v -E '^\s*(//.*)?$' || true; }; }
t=$({
  git ls-files tests fuzz | grep -E '\.(c|cc|cpp|h|hpp)$'
  git ls-files tests | grep -v -E '\.(c|cc|cpp|h|hpp|cmake)$|CMakeLists\.txt$'
} | count)
c=$(git ls-files | grep -E '\.(c|cc|cpp|h|hpp|mm)$' | grep -v -E '^(tests|fuzz)/' | count)
all=$((t + c))
echo "tests $t of all the code's $all lines: $((100 * t / all))% (at most a third)"
if ((3 * t > all)); then
  echo "scripts/test-share.sh: the tests are more than a third of all the code" >&2
  exit 1
fi
