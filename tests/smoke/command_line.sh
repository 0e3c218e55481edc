#!/usr/bin/env bash
# The daylight-saving update from the command line, without a display: one
# line per changed entry on standard output and status 0; in a folder the
# user cannot write (root writes anywhere, so as the user nobody), status 1,
# the reason on standard error and the folder as it was.
#
#   command_line.sh <zorvane executable> <source tree>
prog=$1 src=$2
source "$(dirname "$0")/lib.sh"
data=$work/data
mkdir "$data"
cp "$src/data/countries.txt" "$data"
cp "$prog" "$work"
export ZORVANE_DATA_DIR=$data
"$work/zorvane" --update-dst-dates 2027 |
  grep -qx 'United Kingdom: 0,1,1,#3/28/2026#,#10/25/2026# -> 0,1,1,#3/27/2027#,#10/31/2027#'
chmod 555 "$data"
before=$(snap "$data")
rc=0
"${as_user[@]}" "$work/zorvane" --update-dst-dates 2028 2>"$work/log" || rc=$?
[ $rc = 1 ] && grep -q "could not be saved" "$work/log" || fail "read-only folder: status $rc"
[ "$(snap "$data")" = "$before" ] || fail "read-only folder changed"
