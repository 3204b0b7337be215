#!/usr/bin/env bash
# Builds the Debian packages with debian/rules from a copy of the working
# tree, then checks them with lintian, which fails on any error.
#   scripts/package.sh [FOLDER]    the .deb files land in FOLDER
#                                  (default build/packages)
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh

out=$(realpath -m "${1:-build/packages}")
rm -rf "$out"
scripts/copy-tree.sh "$out/client-common"

if ! (cd "$out/client-common" &&
  dpkg-buildpackage --build=binary --no-sign -j2 >"$out/build.log" 2>&1); then
  tail -n 40 "$out/build.log"
  echo "package build failed: $out/build.log" >&2
  exit 1
fi
rm -rf "$out/client-common"
lintian --fail-on error --tag-display-limit 0 "$out"/*.deb
ls "$out"/*.deb
