#!/usr/bin/env bash
# An installed Zorvane as a new user meets it. Installs the build into a
# temporary root, either with `cmake --install` (mode "install") or as the
# Debian package unpacked with dpkg-deb -x (mode "deb"); checks the desktop
# entry, the metainfo and the manual page; then, under Xvfb, runs the
# installed program read-only with a fresh HOME, closes it as a window
# manager does, and checks that tzone.txt went to the user's data folder and
# that nothing under the installed root changed.
#
#   installed_run.sh install|deb <build folder> <closewindow helper>
#
# As root the program runs as the user nobody, for whom the root cannot be
# written; otherwise the root is made read-only for the caller.
set -euo pipefail
mode="$1" build="$2" closer="$3"

if [ -z "${ZORVANE_INSTALLED_INNER:-}" ]; then
  export ZORVANE_INSTALLED_INNER=1
  exec xvfb-run -a -s "-screen 0 1280x1024x24" bash "$0" "$@"
fi

fail() { echo "FAIL: $*"; exit 1; }
work="$(mktemp -d)"
chmod 755 "$work"
trap 'chmod -R u+w "$work" 2>/dev/null; rm -rf "$work"; [ -n "${pid:-}" ] && kill "$pid" 2>/dev/null || true' EXIT
root="$work/root"

case "$mode" in
  install)
    cmake --install "$build" --prefix "$root/usr" >/dev/null
    ;;
  deb)
    (cd "$build" && cpack -G DEB -B "$work/pkg" >"$work/cpack.log" 2>&1) || { cat "$work/cpack.log"; fail "cpack"; }
    deb="$(ls "$work"/pkg/*.deb)"
    depends="$(dpkg-deb -f "$deb" Depends)"
    echo "Depends: $depends"
    for need in libqt6widgets6 libqt6gui6 libqt6core6 libc6 fonts-liberation tzdata; do
      [[ ", $depends" == *", $need"* ]] || fail "the package does not depend on $need"
    done
    dpkg-deb -x "$deb" "$root"
    ;;
  *) fail "unknown mode $mode" ;;
esac

prog="$root/usr/bin/zorvane"
share="$root/usr/share"
[ -x "$prog" ] || fail "no usr/bin/zorvane"
[ -f "$share/zorvane/countries.txt" ] || fail "no shipped countries.txt"
[ "$(ls "$share/zorvane/Maps" | wc -l)" -gt 0 ] || fail "no shipped map pictures"
for size in 16x16 22x22 24x24 32x32 48x48 64x64 128x128 256x256; do
  [ -f "$share/icons/hicolor/$size/apps/org.zorvane.Zorvane.png" ] || fail "no $size icon"
done
[ -f "$share/icons/hicolor/scalable/apps/org.zorvane.Zorvane.svg" ] || fail "no scalable icon"
desktop-file-validate "$share/applications/org.zorvane.Zorvane.desktop" || fail "desktop entry"
appstreamcli validate --no-net "$share/metainfo/org.zorvane.Zorvane.metainfo.xml" >"$work/as.log" 2>&1 ||
  { cat "$work/as.log"; fail "metainfo"; }
man="$share/man/man1/zorvane.1"
[ -f "$man" ] || man="$man.gz"
warnings="$( (zcat -f "$man" | groff -man -ww -z -Tutf8) 2>&1)"
[ -z "$warnings" ] || fail "manual page: $warnings"
version="$("$prog" --version)"
release="$(sed -n 's/.*<release version="\([^"]*\)".*/\1/p' "$share/metainfo/org.zorvane.Zorvane.metainfo.xml")"
[ "$version" = "zorvane $release" ] || fail "--version says '$version', the metainfo '$release'"

# The user: a fresh home. The X cookie is copied there so the user can reach
# the display.
home="$work/home"
mkdir -p "$home/run"
chmod 700 "$home/run"
cp "$XAUTHORITY" "$home/.Xauthority"
snapshot() { (cd "$root" && find . -printf '%p %y %s %m\n' | sort && find . -type f -print0 | sort -z | xargs -0 sha256sum); }
chmod -R a-w "$root"
as_user=()
if [ "$(id -u)" -eq 0 ]; then
  chown -R nobody:nogroup "$home"
  as_user=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
fi
before="$(snapshot)"

unset QT_QPA_PLATFORM ZORVANE_DATA_DIR XDG_DATA_HOME XDG_DATA_DIRS XDG_CONFIG_HOME
# A computer at +5:30 with no daylight saving, so that the first start's own
# zone is known. The shipped dates are brought to this year first (into the
# user's folder), so that no start-up offer waits for an answer in a later year.
export TZ=Asia/Kolkata
env HOME="$home" XDG_RUNTIME_DIR="$home/run" "${as_user[@]}" "$prog" --update-dst-dates >"$work/update.log" 2>&1 ||
  { cat "$work/update.log"; fail "--update-dst-dates failed"; }
env HOME="$home" XAUTHORITY="$home/.Xauthority" XDG_RUNTIME_DIR="$home/run" "${as_user[@]}" "$prog" \
  >"$work/run.log" 2>&1 &
pid=$!
win="$(timeout 30 xdotool search --sync --onlyvisible --pid "$pid" --name '^Zorvane$' | head -n 1)" || true
[ -n "$win" ] || { cat "$work/run.log"; fail "no window named Zorvane appeared"; }
"$closer" "$win"
for _ in $(seq 1 100); do
  kill -0 "$pid" 2>/dev/null || break
  sleep 0.1
done
kill -0 "$pid" 2>/dev/null && fail "the program did not end after the close request"
rc=0
wait "$pid" || rc=$?
pid=
[ "$rc" -eq 0 ] || { cat "$work/run.log"; fail "exit status $rc"; }
if grep -q "could not be saved" "$work/run.log"; then cat "$work/run.log"; fail "a save failed"; fi

expected="$(printf '%-14s%s\r\n' ' 5.5 ' ' 0 ' | od -An -tx1)"
actual="$(od -An -tx1 "$home/.local/share/zorvane/tzone.txt" 2>/dev/null)" || fail "no tzone.txt in the user's data folder"
[ "$actual" = "$expected" ] || fail "tzone.txt holds $actual"
[ "$(snapshot)" = "$before" ] || fail "the installed root changed"
echo "PASS ($mode)"
