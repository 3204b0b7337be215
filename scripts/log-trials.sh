#!/usr/bin/env bash
# Hostile trials of the event log, as the closing notes report them:
#   1. the documented client flow (read the launch arguments, open the log
#      file that "logfile" names, write the option report) with links that
#      name a shell start file and carry LF, NEL, U+2028 and an OSC title:
#      the file gains only lines that start with the core's time stamp, and
#      no raw control byte;
#   2. RUNS runs of parse --open-log against a process that renames a
#      symbolic link over each new name in DIR (scripts/rename-racer.py):
#      the bytes that reached the link's target outside DIR;
#   3. as root, parse --open-log onto a nearly full tmpfs: status, message,
#      and what is left.
# scripts/log-trials.sh [RUNS]   (RUNS: 2000 by default)
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-2000}
scripts/install-deps.sh
cmake --preset ci >/dev/null
cmake --build --preset ci --target qarel-launch client_common >/dev/null
tool=$PWD/build/ci/bin/qarel-launch
work=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null || true; umount "$work/full" 2>/dev/null || true; rm -rf "$work"' EXIT

echo "== 1. the client flow, a link choosing ~/.zshrc"
cat >"$work/client.cpp" <<'EOF'
#include <client_common/client_common.h>
#include <logging/logging.h>
#include <option_list/option_flags.h>
int main(int argc, char** argv) {
  using namespace client_common;
  option_list opts;
  add_option(opts, "", "address", "", "Host", kFromUri);
  add_option(opts, "", "sni", "", "TLS server name", kFromUri);
  add_option(opts, "", "logfile", "", "Event-log file", kFromUri);
  arg_to_params(std::vector<std::string>(argv + 1, argv + argc), opts);
  open_logfile(opts.get("logfile"), "client", "client");
  opts.log_options(true, true, false);
  log_close("client");
}
EOF
c++ -std=c++17 -I. "$work/client.cpp" -Lbuild/ci/lib -lclient_common \
  -Wl,-rpath,"$PWD/build/ci/lib" -o "$work/client"
mkdir "$work/home"
echo 'export PATH=/usr/bin' >"$work/home/.zshrc"
zshrc=$(sed 's|/|%2f|g' <<<"$work/home/.zshrc")
for sni in 'x%0aecho%20PWNED%0a' 'x%c2%85echo%20NEL' 'x%e2%80%a8echo%20LS' \
  'x%1b%5d0;x%07title'; do
  "$work/client" "quorvane-qarel://h?sni=$sni&logfile=$zshrc" >/dev/null
done
echo "lines: $(wc -l <"$work/home/.zshrc"), without the time stamp:" \
  "$(grep -cv '^[0-9]\{4\}-[0-9][0-9]-[0-9][0-9]T[0-9:.]*Z \[' "$work/home/.zshrc" || true)" \
  "(the file's own first line), with a raw control byte:" \
  "$(LC_ALL=C grep -c '[[:cntrl:]]' "$work/home/.zshrc" || true)," \
  "with a raw NEL or U+2028:" \
  "$(LC_ALL=C grep -c $'\xc2\x85\|\xe2\x80\xa8' "$work/home/.zshrc" || true)"
grep ' sni ' "$work/home/.zshrc" | sed 's/^[^#]*#[0-9]*: *//'

echo "== 2. $runs runs of parse --open-log against a renaming racer"
mkdir "$work/dir" "$work/outside"
: >"$work/outside/victim"
/usr/bin/python3 scripts/rename-racer.py "$work/dir" "$work/outside/victim" &
sleep 0.5
declare -A statuses=()
for i in $(seq "$runs"); do
  status=0
  "$tool" parse --open-log "$work/dir" "logfile=run$i.log" address=h \
    >/dev/null 2>&1 || status=$?
  statuses[$status]=$((${statuses[$status]:-0} + 1))
done
kill %1
for s in "${!statuses[@]}"; do echo "status $s: ${statuses[$s]} runs"; done
echo "bytes outside DIR: $(stat -c %s "$work/outside/victim")"

echo "== 3. parse --open-log onto a nearly full tmpfs"
if [[ $(id -u) != 0 ]]; then
  echo "skipped: mounting a tmpfs needs root"
  exit 0
fi
mkdir "$work/full"
mount -t tmpfs -o size=64k tmpfs "$work/full"
# Fill all but one page, then write a log of more than a page.
dd if=/dev/zero of="$work/full/fill" bs=4k count=15 status=none
status=0
"$tool" parse --open-log "$work/full" "sni=$(head -c 6000 /dev/zero | tr '\0' x)" \
  >"$work/out" 2>"$work/err" || status=$?
echo "status: $status"
echo "stderr: $(cat "$work/err")"
echo "\"wrote\" on standard output: $(grep -c 'qarel-launch wrote' "$work/out" || true)"
echo "left on the tmpfs: $(ls -A "$work/full" | tr '\n' ' ')"
