# Shared by the shell tests, sourced after they set their arguments: a
# failure that ends the test, a scratch folder, folder snapshots, the bytes of
# tzone.txt, and one run of the program's window, ended as the desktop ends
# it. A script that sets `closer` (the closewindow helper) runs again under an
# X server of its own.
set -euo pipefail
if [ -n "${closer:-}" ] && [ -z "${ZV_X:-}" ]; then
  ZV_X=1 exec xvfb-run -a -s "-screen 0 1280x1024x24" bash "$0" "$@"
fi
unset QT_QPA_PLATFORM
work=$(mktemp -d)
chmod 755 "$work"
pid=
# Root writes anywhere: what a user may not do is tried as the user nobody.
as_user=()
[ "$(id -u)" != 0 ] || as_user=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
# The program and an X server a script started ($xpid) end with it, or a
# failure would leave them holding the test's output open.
trap 'chmod -R u+w "$work"; rm -rf "$work"; kill $pid ${xpid:-} 2>/dev/null || true' EXIT
fail() {
  echo "FAIL: $*"
  cat "$work/log"
  exit 1
}
# Names, kinds, sizes, modes and bytes of what folder $1 holds, tzone.txt aside.
snap() { (cd "$1" && find . ! -name tzone.txt -printf '%p %y %s %m\n' -type f -exec sha256sum {} + | sort); }
# The bytes of tzone.txt for offset $1 and daylight-saving hours $2: each
# number between spaces, the second at the 15th character, CR LF.
zone() { printf '%-14s%s\r\n' " $1 " " $2 "; }
# window <close|sigterm|destroy|display|second> <exit status> <command...>:
# runs the program until its window shows, ends it that way (display: kills
# the X server $xpid; second: a second start first, which must end at once
# with status 0 and open no window, then the close box)
# and waits for it to end by itself with that status.
window() {
  local how=$1 want=$2 rc=0 win
  shift 2
  "$@" >"$work/log" 2>&1 &
  pid=$!
  win=$(timeout 30 xdotool search --sync --onlyvisible --pid $pid --name '^Zorvane$' | head -1)
  [ -n "$win" ] || fail "$how: no window named Zorvane"
  case $how in
    close) "$closer" "$win" ;;
    sigterm) kill $pid ;;
    destroy) xdotool windowclose "$win" ;;
    display) kill "$xpid" ;;
    second)
      timeout 10 "$@" >"$work/log2" 2>&1 || fail "second start: status $? $(cat "$work/log2")"
      [ "$(xdotool search --onlyvisible --name '^Zorvane$' | wc -l)" = 1 ] || fail "second start: a second window"
      "$closer" "$win" ;;
  esac
  timeout 10 tail --pid=$pid -f /dev/null || fail "$how: the program did not end"
  wait $pid || rc=$?
  pid=
  [ $rc = "$want" ] || fail "$how: exit status $rc"
}
