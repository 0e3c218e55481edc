#!/usr/bin/env bash
# Real-window smoke test: under Xvfb, start the program with a fresh data
# folder holding only countries.txt, wait for its window, end it as the
# desktop would, and check that the program ended by itself, wrote tzone.txt
# with the expected bytes, and changed nothing else in the folder. Ways to
# end it:
#   close    WM_DELETE_WINDOW, as a window manager's close box sends it;
#   sigterm  SIGTERM, as a logout or kill sends it;
#   destroy  the window destroyed from outside (xdotool windowclose);
#   display  the X server itself goes away (a second Xvfb, killed).
# TZ is set to Asia/Kolkata (+5:30 without daylight saving), so a first
# start writes 5.5 and 0. The table's dates are first brought to this year
# by the command line, so that no offer to update them comes up.
# One run starts with offset 5.5 and 0.5 daylight-saving hours under a
# locale that writes decimals with a comma: the file must come back with the
# same bytes, "." and all.
#
#   real_window.sh <zorvane executable> <closewindow helper> <source tree>
#
# Run directly it starts its own Xvfb (xvfb-run -a); it needs xdotool.
set -euo pipefail
prog="$1" closer="$2" src="$3"

if [ -z "${ZORVANE_SMOKE_INNER:-}" ]; then
  command -v xvfb-run >/dev/null || { echo "xvfb-run missing"; exit 1; }
  export ZORVANE_SMOKE_INNER=1
  exec xvfb-run -a -s "-screen 0 1280x1024x24" bash "$0" "$@"
fi
unset QT_QPA_PLATFORM

comma_locale=de_DE.UTF-8
if ! locale -a | grep -qix 'de_DE.utf-*8'; then
  echo "FAIL: locale $comma_locale missing (scripts/setup.sh generates it)"; exit 1
fi

data="" pid="" xpid=""
trap '[ -n "$pid" ] && kill "$pid" 2>/dev/null; [ -n "$xpid" ] && kill "$xpid" 2>/dev/null;
  [ -n "$data" ] && rm -rf "$data" "$data.log"; true' EXIT

export TZ=Asia/Kolkata
# Everything but tzone.txt must look the same afterwards: names, sizes, bytes.
snapshot() { (cd "$data" && find . ! -name tzone.txt -printf '%p %y %s %m\n' | sort && find . -type f ! -name tzone.txt -print0 | sort -z | xargs -0 sha256sum); }

# run_case <name> <close|sigterm|destroy> <locale> <tzone.txt bytes before, or empty> <expected bytes>
run_case() {
  local name="$1" how="$2" loc="$3" zone="$4" expected="$5"
  data="$(mktemp -d)"
  cp "$src/data/countries.txt" "$data/"
  ZORVANE_DATA_DIR="$data" "$prog" --update-dst-dates >/dev/null || { echo "FAIL $name: --update-dst-dates"; exit 1; }
  [ -z "$zone" ] || printf '%s' "$zone" >"$data/tzone.txt"
  local before
  before="$(snapshot)"

  LC_ALL="$loc" ZORVANE_DATA_DIR="$data" "$prog" >"$data.log" 2>&1 &
  pid=$!
  local win
  win="$(timeout 30 xdotool search --sync --onlyvisible --pid "$pid" --name '^Zorvane$' | head -n 1)" || true
  if [ -z "$win" ]; then
    echo "FAIL $name: no window named Zorvane appeared"; cat "$data.log"; exit 1
  fi
  if [ -z "$zone" ] && [ -e "$data/tzone.txt" ]; then echo "FAIL $name: tzone.txt written before the end"; exit 1; fi

  case "$how" in
    close) "$closer" "$win" ;;
    sigterm) kill -TERM "$pid" ;;
    destroy) xdotool windowclose "$win" ;;
    display) kill "$xpid" ;;
  esac
  for _ in $(seq 1 100); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
  done
  if kill -0 "$pid" 2>/dev/null; then echo "FAIL $name: the program did not end"; exit 1; fi
  local rc=0
  wait "$pid" || rc=$?
  pid=
  # Qt ends a program whose display went away with status 1.
  local want_rc=0
  [ "$how" != display ] || want_rc=1
  [ "$rc" -eq "$want_rc" ] || { echo "FAIL $name: exit status $rc"; cat "$data.log"; exit 1; }

  local want got
  want="$(printf '%s' "$expected" | od -An -tx1)"
  got="$(od -An -tx1 "$data/tzone.txt" 2>/dev/null)" || { echo "FAIL $name: no tzone.txt"; exit 1; }
  if [ "$got" != "$want" ]; then
    echo "FAIL $name: tzone.txt holds"; echo "$got"; echo "expected"; echo "$want"; exit 1
  fi
  local after
  after="$(snapshot)"
  if [ "$after" != "$before" ]; then
    echo "FAIL $name: the data folder changed"; diff <(echo "$before") <(echo "$after") || true; exit 1
  fi
  rm -rf "$data" "$data.log"
  data=
  echo "ok $name"
}

# Offset 5.5 and no daylight-saving hours: " 5.5 " padded to the 14-character print
# column, then " 0 ", CR LF.
# ($(...) drops a trailing line feed, so it is added after.)
default_zone="$(printf '%-14s%s\r' ' 5.5 ' ' 0 ')"$'\n'
half_zone="$(printf '%-14s%s\r' ' 5.5 ' ' 0.5 ')"$'\n'

run_case close close C "" "$default_zone"
run_case sigterm sigterm C "" "$default_zone"
run_case destroy destroy C "" "$default_zone"
run_case comma_locale_sigterm sigterm "$comma_locale" "$half_zone" "$half_zone"

# The display lost: the program runs on an X server of its own, which is
# then killed.
exec {fd}<> <(:)
Xvfb -displayfd "$fd" -screen 0 1280x1024x24 >/dev/null 2>&1 &
xpid=$!
read -r -t 10 -u "$fd" xnum || { echo "FAIL: the second X server did not start"; exit 1; }
DISPLAY=":$xnum" run_case display display C "" "$default_zone"
wait "$xpid" 2>/dev/null || true
xpid=
echo "PASS"
