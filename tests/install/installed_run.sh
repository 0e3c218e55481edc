#!/usr/bin/env bash
# An installed Zorvane as a new user meets it: the build installed into a
# scratch root by `cmake --install` (install) or from the Debian package
# (deb, whose dependencies are checked); its files, desktop entry, metainfo
# and manual page; then the installed program, the root read-only (as the
# user nobody when run as root), with a fresh home: closed as a window
# manager closes it, it writes tzone.txt into the user's data folder and
# changes nothing under the root.
#
#   installed_run.sh install|deb <build folder> <closewindow helper>
mode=$1 build=$2 closer=$3
source "$(dirname "$0")/../smoke/lib.sh"
root=$work/tree share=$work/tree/usr/share app=org.zorvane.Zorvane
if [ "$mode" = install ]; then
  cmake --install "$build" --prefix "$root/usr"
else
  (cd "$build" && cpack -G DEB -B "$work/pkg" >"$work/log") || fail cpack
  for need in fonts-liberation tzdata; do
    dpkg-deb -f "$work"/pkg/*.deb Depends | grep -q "\b$need\b" || fail "no dependency on $need"
  done
  dpkg-deb -x "$work"/pkg/*.deb "$root"
fi
[ "$(ls "$share"/icons/hicolor/*/apps/$app.* | wc -l)" = 9 ] || fail "not 9 icons"
desktop-file-validate "$share/applications/$app.desktop"
appstreamcli validate --no-net "$share/metainfo/$app.metainfo.xml"
[ -z "$(zcat -f "$share"/man/man1/zorvane.1* | groff -man -ww -z 2>&1)" ] || fail "manual page warnings"
home=$work/home
mkdir "$home"
cp "$XAUTHORITY" "$home/.Xauthority"
chmod -R a-w "$root"
[ -z "${as_user[*]}" ] || chown -R nobody:nogroup "$home"
before=$(snap "$root")
unset ZORVANE_DATA_DIR XDG_DATA_HOME XDG_DATA_DIRS XDG_CONFIG_HOME
run=(env TZ=Asia/Kolkata HOME="$home" XAUTHORITY="$home/.Xauthority" "${as_user[@]}" "$root/usr/bin/zorvane")
# The shipped dates brought to this year first, so that no offer waits.
"${run[@]}" --update-dst-dates >"$work/log" || fail "--update-dst-dates"
window close 0 "${run[@]}"
! grep "could not be saved" "$work/log" || fail "a save failed"
cmp "$home/.local/share/zorvane/tzone.txt" <(zone 5.5 0) || fail "tzone.txt in the user's data folder"
[ "$(snap "$root")" = "$before" ] || fail "the installed root changed"
