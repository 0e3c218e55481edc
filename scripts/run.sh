#!/usr/bin/env bash
# Installs what building and running Zorvane needs, builds the program (no
# tests) and starts it; arguments go to the program.
#
# Run with sudo, only the installation is done as root: the build and the
# program run as the user who called sudo, so build/ and the files the
# program saves there stay the user's.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh run
as_user=()
if [ "$(id -u)" -eq 0 ] && [ -n "${SUDO_USER:-}" ] && [ "$SUDO_USER" != root ]; then
  as_user=(sudo -u "$SUDO_USER" -H --preserve-env=DISPLAY,WAYLAND_DISPLAY,XAUTHORITY,XDG_RUNTIME_DIR)
  # A build folder left by an earlier run as root goes back to the user.
  [ -d build ] && chown -R "$SUDO_USER": build
fi
"${as_user[@]}" bash scripts/build.sh run
exec "${as_user[@]}" build/zorvane "$@"
