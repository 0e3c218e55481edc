#!/usr/bin/env bash
# The program in a real X session, on a data folder holding countries.txt
# (its dates brought to this year, so that no offer waits for an answer),
# ended as the desktop ends it (after a second start, which ends at once and
# leaves the first running): the close box's WM_DELETE_WINDOW, its window
# destroyed, SIGTERM, its display lost (a second X server, killed; Qt then
# ends with status 1). Each time it ends by itself, writes tzone.txt and
# changes nothing else. At +5:30 a first start writes 5.5 and 0; saved 5.5
# and 0.5 come back with the same bytes under a locale with a decimal comma.
#
#   real_window.sh <zorvane executable> <closewindow helper> <source tree>
prog=$1 closer=$2 src=$3
source "$(dirname "$0")/lib.sh"
export TZ=Asia/Kolkata
locale -a | grep -qix 'de_DE.utf-*8' || fail "no de_DE.UTF-8 locale (scripts/setup.sh makes it)"
Xvfb -displayfd 3 3>"$work/x" &
xpid=$!
for run in "close C 0 0" "second C 0 0" "destroy C 0 0" "sigterm de_DE.UTF-8 0.5 0" "display C 0 1"; do
  set -- $run
  data=$work/$1
  mkdir "$data"
  cp "$src/data/countries.txt" "$data"
  ZORVANE_DATA_DIR=$data "$prog" --update-dst-dates >/dev/null
  [ $3 = 0 ] || zone 5.5 $3 >"$data/tzone.txt"
  before=$(snap "$data")
  until [ -s "$work/x" ]; do sleep 0.1; done
  [ $1 != display ] || export DISPLAY=:$(cat "$work/x")
  window $1 $4 env LC_ALL=$2 ZORVANE_DATA_DIR="$data" "$prog"
  cmp "$data/tzone.txt" <(zone 5.5 $3) || fail "$1: tzone.txt holds $(od -c "$data/tzone.txt")"
  [ "$(snap "$data")" = "$before" ] || fail "$1: the data folder changed"
done
