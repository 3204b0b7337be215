#!/bin/sh
# with_throwaway_defaults.sh COMMAND...: runs a test with GNUstep's user
# defaults in a fresh folder of its own, removed afterwards. GNUstep reads
# where they live before main starts, from the file GNUSTEP_CONFIG_FILE
# names, so the folder must be named before the process starts.
set -eu
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
printf 'GNUSTEP_USER_DEFAULTS_DIR=%s\nGNUSTEP_USER_CONFIG_FILE=%s\n' \
  "$dir/Defaults" "$dir/none" >"$dir/GNUstep.conf"
GNUSTEP_CONFIG_FILE=$dir/GNUstep.conf CLIENT_COMMON_DEFAULTS_DIR=$dir/Defaults \
  "$@"
