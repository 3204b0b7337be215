#!/usr/bin/env bash
# bash completion of qarel-launch, run against the built tool: each check
# gives the words offered, then the words typed after "qarel-launch".
#   qarel_launch_completion_test.sh TOOL COMPLETION CLIENT_TABLE
set -u
tool=$1 completion=$2 table=$3
failed=0

check() {
  local expected=$1 got
  shift
  got=$(timeout 5 bash -c 'compopt() { :; }  # a builtin only while completing
                 source "$1"; shift; COMP_WORDS=("$@"); COMP_CWORD=$(($# - 1))
                 _qarel_launch; echo "${COMPREPLY[*]}"' \
    _ "$completion" "$tool" "$@")
  [[ $got == "$expected" ]] ||
    { echo "completing '$*' offered '$got', expected '$expected'" && failed=1; }
}

check "parse" pa
check "--logfile --log-level" parse --log
check "critical error info debug 0 1 2 3 4 5" parse -l ""
check "debug" parse --log-level d
check "" parse --sni ""
check "--explain" parse -f --ex
check "--table --ticket" parse --table "$table" --t
check "--port --pin" parse --table "$table" -p --p
check "critical error info debug 0 1 2 3 4 5" parse --LOG-LEVEL ""
check "debug" parse --log-level = d
check "--table --ticket" parse --table "'$table'" --t
check "--table --ticket" parse "--table=$table" --t
check "--table --ticket" parse --table = "$table" --t
HOME=$(dirname "$table") check "--table --ticket" parse --table "~/$(basename "$table")" --t
check "connect-tag=" compose con
check "--as-table" options --as
check "--json" check --table "$table" --j
check "$table" check "${table%.txt}"
# A FIFO as the table is refused at once, never waited on.
fifo=$(mktemp -d) && trap 'rm -r "$fifo"' EXIT && mkfifo "$fifo/fifo"
check "--explain" parse --table "$fifo/fifo" --ex
exit $failed
