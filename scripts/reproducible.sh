#!/usr/bin/env bash
# Builds twice, from copies of the tree in two folders whose paths differ in
# length, with the same SOURCE_DATE_EPOCH, and fails unless both give the
# same bytes: the release preset's installed files, and every package.
#   scripts/reproducible.sh [FOLDER]   keeps the first build's packages in
#                                      FOLDER (default build/packages)
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh

packages=$(realpath -m "${1:-build/packages}")
work=$(realpath -m build/reproducible)
short=$work/a
long=$work/a-folder-with-a-much-longer-path
# The changelog's date, which the package build would take anyway.
SOURCE_DATE_EPOCH=$(dpkg-parsechangelog -STimestamp)
export SOURCE_DATE_EPOCH
rm -rf "$work"

status=0
echo "== release builds, installed"
for tree in "$short" "$long"; do
  scripts/copy-tree.sh "$tree/src"
  (cd "$tree/src" && cmake --preset release >/dev/null &&
    cmake --build --preset release >/dev/null &&
    cmake --install build/release --prefix "$tree/prefix" >/dev/null)
done
if diff -r --no-dereference "$short/prefix" "$long/prefix"; then
  echo "identical: $(cd "$short/prefix" && find . -type f | wc -l) files"
else
  status=1
fi

echo "== packages"
scripts/package.sh "$packages" >/dev/null
scripts/package.sh "$long/packages" >/dev/null
for deb in "$packages"/*.deb; do
  other="$long/packages/$(basename "$deb")"
  if cmp -s "$deb" "$other"; then
    echo "identical: $(basename "$deb")"
    continue
  fi
  status=1
  echo "DIFFERENT: $(basename "$deb")"
  for side in "$deb" "$other"; do
    mkdir -p "$side.x" && dpkg-deb -R "$side" "$side.x"
  done
  diff -r --no-dereference "$deb.x" "$other.x" | head -n 20 || true
done
((status == 0)) && rm -rf "$work"
exit "$status"
