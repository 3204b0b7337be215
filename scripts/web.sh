#!/usr/bin/env bash
# The browser's link checker: builds the site with Debian's emscripten (the
# web preset) into build/web/site, checks that a clone in another folder
# builds the same bytes and the site's size, compares the
# WebAssembly tool under node with the native tool over the launch corpus
# and the tool test's cases, and drives the page in headless Chromium.
#   scripts/web.sh              build and test
#   scripts/web.sh serve [PORT] build, then serve the site on this machine
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh web
export NODE_PATH=/usr/share/nodejs  # where Debian's emscripten finds its modules
# The build time is the changelog's date, as the packages take it, so that
# the site is the same bytes from any folder, and a build with nothing
# changed rebuilds nothing.
SOURCE_DATE_EPOCH=$(dpkg-parsechangelog -STimestamp)
export SOURCE_DATE_EPOCH
cmake --workflow --preset web >/dev/null
site=build/web/site

if [[ ${1:-} == serve ]]; then
  port=${2:-8000}
  echo "The link checker: http://127.0.0.1:$port/ (Ctrl-C stops it)"
  exec /usr/bin/python3 -m http.server --bind 127.0.0.1 --directory "$site" "$port"
fi

# The same bytes when built from a clone in another folder (from a clean
# tree only: the version record names the commit).
if git diff --quiet HEAD && [[ -z $(git status --porcelain) ]]; then
  elsewhere=build/web-elsewhere/a-folder-with-a-longer-path
  rm -rf "$elsewhere" && git clone --quiet --no-hardlinks . "$elsewhere"
  (cd "$elsewhere" && cmake --workflow --preset web >/dev/null)
  diff -r "$site" "$elsewhere/build/web/site"
  echo "site: the same bytes when built in $elsewhere"
fi

bytes=$(cat "$site"/* | wc -c)
gzipped=$(for f in "$site"/*; do gzip -9c "$f"; done | wc -c)
echo "site: $bytes bytes, $gzipped gzip-compressed (at most 600 KB and 250 KB)"
((bytes <= 600 * 1024 && gzipped <= 250 * 1024))

cmake --workflow --preset release >/dev/null
/usr/bin/python3 scripts/web-compare.py build/release/bin/qarel-launch \
  build/web/tools/qarel-launch.js
/usr/bin/python3 tests/web/page_test.py "$site"
