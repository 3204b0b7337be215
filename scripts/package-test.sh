#!/usr/bin/env bash
# Installs the packages of scripts/package.sh for real, uses them as a client
# would, then purges them and checks that none of their files is left. It
# purges first too, should an earlier run have stopped half way, and on any
# exit, so the machine ends as it was. Without packages in FOLDER, it makes
# them first.
#   scripts/package-test.sh [FOLDER]   the .deb files (default build/packages)
set -euo pipefail
cd "$(dirname "$0")/.."
debs=$(realpath -m "${1:-build/packages}")
if ! compgen -G "$debs/*.deb" >/dev/null; then
  scripts/package.sh "$debs"
fi
packages=(qarel-launch libclient-common-dev libclient-common-doc
  libclient-common2 libqarel-core1)
work=$(mktemp -d)

purge() { dpkg --purge "${packages[@]}" >/dev/null 2>&1 || true; }
cleanup() {
  purge
  rm -rf "$work"
}
trap cleanup EXIT
purge

mapfile -t debs_to_install < <(ls "$debs"/*.deb | grep -v -- '-dbgsym_')
dpkg -i "${debs_to_install[@]}"

echo "== consumer through the CMake package"
cmake -S examples/consumer -B "$work/cmake" -G Ninja >/dev/null
cmake --build "$work/cmake" >/dev/null
"$work/cmake/consumer"
echo "== consumer through pkg-config"
# shellcheck disable=SC2046  # pkg-config's flags are separate words
c++ -std=c++17 examples/consumer/main.cpp -o "$work/pc-consumer" \
  $(pkg-config --cflags --libs client_common)
"$work/pc-consumer"

echo "== the API reference"
test -f /usr/share/doc/libclient-common-doc/html/index.html

echo "== qarel-launch, its manual page and its completion"
qarel-launch version
qarel-launch --version
man qarel-launch | grep -q "^EXAMPLES"
completion=/usr/share/bash-completion/completions/qarel-launch
offered=$(bash -c 'compopt() { :; }  # a builtin only while completing
                   source "$1"; COMP_WORDS=(qarel-launch parse -l de)
                   COMP_CWORD=3; _qarel_launch; echo "${COMPREPLY[*]}"' \
  _ "$completion")
if [[ $offered != debug ]]; then
  echo "the installed completion offered '$offered' after -l de" >&2
  exit 1
fi

echo "== purge"
files=$(dpkg -L "${packages[@]}" | sort -u)
purge
# Every file, and every folder of ours; shared folders such as /usr/bin stay.
ours() { [[ ! -d $1 || $1 == *client[_-]common* || $1 == *qarel* ]]; }
left=$(while read -r f; do
  if [[ -e $f || -L $f ]] && ours "$f"; then echo "$f"; fi
done <<<"$files")
if [[ -n $left ]]; then
  echo "left after purge:" >&2
  echo "$left" >&2
  exit 1
fi
echo "package test passed: installed, used and purged without a trace"
