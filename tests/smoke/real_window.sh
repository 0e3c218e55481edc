#!/usr/bin/env bash
# Real-window smoke test: under Xvfb, start the program with a fresh data
# folder holding only countries.txt, wait for its window, ask it to close as a
# window manager would (WM_DELETE_WINDOW), and check that the program ended by
# itself, wrote tzone.txt with the settings of the computer's zone (TZ is set
# to Asia/Kolkata, +5:30 without daylight saving), and changed nothing else in
# the folder. The table's dates are first brought to this year by the command
# line, so that no offer to update them comes up.
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

data="$(mktemp -d)"
trap 'rm -rf "$data"; [ -n "${pid:-}" ] && kill "$pid" 2>/dev/null || true' EXIT
cp "$src/data/countries.txt" "$data/"
export TZ=Asia/Kolkata
ZORVANE_DATA_DIR="$data" "$prog" --update-dst-dates >/dev/null || { echo "FAIL: --update-dst-dates"; exit 1; }
# Everything but tzone.txt must look the same afterwards: names, sizes, bytes.
snapshot() { (cd "$data" && find . ! -name tzone.txt -printf '%p %y %s %m\n' | sort && find . -type f ! -name tzone.txt -print0 | sort -z | xargs -0 sha256sum); }
before="$(snapshot)"

unset QT_QPA_PLATFORM
ZORVANE_DATA_DIR="$data" "$prog" >"$data.log" 2>&1 &
pid=$!

win="$(timeout 30 xdotool search --sync --onlyvisible --pid "$pid" --name '^Zorvane$' | head -n 1)" || true
if [ -z "$win" ]; then
  echo "FAIL: no window named Zorvane appeared"; cat "$data.log"; exit 1
fi
echo "window $win"
[ ! -e "$data/tzone.txt" ] || { echo "FAIL: tzone.txt written before the close"; exit 1; }

"$closer" "$win"
for _ in $(seq 1 100); do
  kill -0 "$pid" 2>/dev/null || break
  sleep 0.1
done
if kill -0 "$pid" 2>/dev/null; then
  echo "FAIL: the program did not end after the close request"; exit 1
fi
rc=0
wait "$pid" || rc=$?
pid=
[ "$rc" -eq 0 ] || { echo "FAIL: exit status $rc"; cat "$data.log"; exit 1; }
rm -f "$data.log"

# Offset 5.5 and no daylight-saving hours: " 5.5 " padded to the 14-character
# print column, then " 0 ", CR LF.
expected="$(printf '%-14s%s\r\n' ' 5.5 ' ' 0 ' | od -An -tx1)"
actual="$(od -An -tx1 "$data/tzone.txt" 2>/dev/null)" || { echo "FAIL: no tzone.txt"; exit 1; }
if [ "$actual" != "$expected" ]; then
  echo "FAIL: tzone.txt holds"; echo "$actual"; echo "expected"; echo "$expected"; exit 1
fi
after="$(snapshot)"
if [ "$after" != "$before" ]; then
  echo "FAIL: the data folder changed"; diff <(echo "$before") <(echo "$after") || true; exit 1
fi
echo "PASS"
