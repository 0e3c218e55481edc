#!/usr/bin/env bash
# Installs what building and testing Zorvane needs on Debian, when missing.
set -euo pipefail
packages=(g++ cmake make pkg-config qt6-base-dev qt6-base-dev-tools libgl1-mesa-dev fonts-liberation
  libgtest-dev libbenchmark-dev clang libclang-rt-14-dev xvfb xauth x11-utils xdotool imagemagick tzdata libx11-dev)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  sudo_cmd=()
  [ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
  "${sudo_cmd[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq "${missing[@]}"
fi
