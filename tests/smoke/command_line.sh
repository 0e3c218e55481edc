#!/usr/bin/env bash
# The program's command line, run without a display: --help lists
# --update-dst-dates; the update prints one line per changed entry and exits
# with status 0; a bad year gives status 2; a missing file, a file read only
# in part and a folder the user cannot write give status 1 and a message on
# standard error, and leave the folder as it was.
#
#   command_line.sh <zorvane executable> <source tree>
set -euo pipefail
prog="$1" src="$2"
unset QT_QPA_PLATFORM DISPLAY

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
chmod 755 "$work"
fail() { echo "FAIL: $*"; exit 1; }

# Runs the program on a data folder; sets rc, out and err.
run() {
  local data="$1"; shift
  rc=0
  ZORVANE_DATA_DIR="$data" "$@" >"$work/out" 2>"$work/err" || rc=$?
  out="$(cat "$work/out")" err="$(cat "$work/err")"
}

run "$work" "$prog" --help
[ "$rc" -eq 0 ] || fail "--help status $rc"
grep -q -- '^ *--update-dst-dates ' "$work/out" || fail "--help does not list --update-dst-dates"
grep -q -- '^ *\[YEAR\] *for --update-dst-dates$' "$work/out" || fail "--help does not list its YEAR"

# A later year: one line per changed entry, the United Kingdom among them.
mkdir "$work/ok" && cp "$src/data/countries.txt" "$work/ok/"
run "$work/ok" "$prog" --update-dst-dates 2027
[ "$rc" -eq 0 ] || fail "update status $rc: $err"
[ -z "$err" ] || fail "update wrote to standard error: $err"
grep -qx 'United Kingdom: 0,1,1,#3/28/2026#,#10/25/2026# -> 0,1,1,#3/27/2027#,#10/31/2027#' "$work/out" ||
  fail "no line for the United Kingdom"
lines="$(wc -l <"$work/out")"
changed="$(grep -c ' -> ' "$work/out")"
[ "$lines" -eq "$changed" ] || fail "$lines lines, $changed of them changes"
grep -q '#3/27/2027#,#10/31/2027#,Western Europe' "$work/ok/countries.txt" || fail "file not updated"

# Each failure leaves the folder's bytes as they were.
snapshot() { (cd "$1" && ls -la --time-style=+ . | sed 1d && sha256sum ./* 2>/dev/null || true); }
check_untouched() {
  local data="$1" want="$2" what="$3"
  [ "$rc" -eq "$want" ] || fail "$what: status $rc, want $want"
  [ -n "$err" ] || fail "$what: no message"
  [ -z "$out" ] || fail "$what: wrote to standard output"
  [ "$(snapshot "$data")" = "$before" ] || fail "$what: folder changed"
}

mkdir "$work/year" && cp "$src/data/countries.txt" "$work/year/"
before="$(snapshot "$work/year")"
run "$work/year" "$prog" --update-dst-dates 20x7
check_untouched "$work/year" 2 "bad year"

mkdir "$work/missing"
before="$(snapshot "$work/missing")"
run "$work/missing" "$prog" --update-dst-dates 2027
check_untouched "$work/missing" 1 "missing file"
case "$err" in *"does not exist"*) ;; *) fail "missing file: $err" ;; esac

mkdir "$work/part" && head -c 20000 "$src/data/countries.txt" >"$work/part/countries.txt"
before="$(snapshot "$work/part")"
run "$work/part" "$prog" --update-dst-dates 2027
check_untouched "$work/part" 1 "file read in part"
case "$err" in *"could be read only as far as entry"*) ;; *) fail "file read in part: $err" ;; esac

# A folder the user cannot write: root writes anywhere, so the program runs as
# nobody from a copy it may execute.
mkdir "$work/ro" && cp "$src/data/countries.txt" "$work/ro/" && cp "$prog" "$work/zorvane"
chmod 755 "$work/zorvane" && chmod 444 "$work/ro/countries.txt" && chmod 555 "$work/ro"
before="$(snapshot "$work/ro")"
if [ "$(id -u)" -eq 0 ]; then
  run "$work/ro" setpriv --reuid=65534 --regid=65534 --clear-groups env HOME="$work" "$work/zorvane" --update-dst-dates 2027
else
  run "$work/ro" "$work/zorvane" --update-dst-dates 2027
fi
check_untouched "$work/ro" 1 "read-only folder"
case "$err" in *"could not be saved"*) ;; *) fail "read-only folder: $err" ;; esac
chmod 755 "$work/ro"
echo "command line ok"
