#!/usr/bin/env bash
# The ABI guard: the binary interface of libclient_common, as abidw describes
# it from the ci build's debug information, against the checked-in baseline.
#   scripts/abi.sh            fails on any difference, with abidiff's report
#   scripts/abi.sh --refresh  rewrites the baseline, on purpose
# abidiff reports removed functions and changed types of the exported
# functions. It does not follow a type reached only as a template argument,
# such as option_list::option inside std::list, so the layouts of
# option_list and its records are compared too (scripts/abi-layout.py).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh

baseline=abi/libclient_common.abi
work=build/abi
rm -rf "$work"
mkdir -p "$work"
cmake --preset ci >/dev/null
if ! cmake --build --preset ci --target client_common >"$work/build.log" 2>&1; then
  cat "$work/build.log"
  exit 1
fi

# The public headers, as the build lists them. The debug information names
# them relative to the source root ("./option_list/option_list.h"), as the
# build maps its paths.
headers=()
while read -r header; do
  headers+=(--hf "./$header")
done <build/ci/client_common_public_headers.txt

abidw "${headers[@]}" --drop-private-types --no-show-locs --no-corpus-path \
  --no-comp-dir-path --out-file "$work/current.abi" \
  "$(readlink -f build/ci/lib/libclient_common.so)"

if [[ ${1:-} == --refresh ]]; then
  cp "$work/current.abi" "$baseline"
  echo "ABI baseline refreshed: $baseline"
  exit 0
fi

status=0
abidiff --no-added-syms "$baseline" "$work/current.abi" || status=$?
if ! diff -u <(scripts/abi-layout.py "$baseline") \
  <(scripts/abi-layout.py "$work/current.abi"); then
  status=1
fi
if ((status != 0)); then
  echo "The binary interface differs from $baseline. If the change is meant," \
    "see the README's \"Packages\" section on the SOVERSION, then run" \
    "scripts/abi.sh --refresh." >&2
  exit 1
fi
echo "ABI matches $baseline"
