#!/usr/bin/env bash
# Installs what Zorvane needs on Debian, when missing.
#   setup.sh run    what building and running the program needs
#   setup.sh test   that and what the tests, benchmarks, fuzzers and the
#                   package need (the default)
set -euo pipefail
mode="${1:-test}"
# qt6-tools-dev gives CMake the Qt6LinguistTools package and qt6-l10n-tools
# its lupdate and lrelease (the translations are built with the program);
# qt6-translations-l10n holds Qt's own translations (the buttons of boxes).
run_packages=(g++ cmake make pkg-config qt6-base-dev qt6-base-dev-tools qt6-tools-dev qt6-l10n-tools
  qt6-translations-l10n libgl1-mesa-dev fonts-liberation tzdata locales)
test_packages=(libgtest-dev libbenchmark-dev clang libclang-rt-14-dev xvfb xauth x11-utils xdotool imagemagick
  libx11-dev dpkg-dev file desktop-file-utils appstream groff-base)
case "$mode" in
  run) packages=("${run_packages[@]}") ;;
  test) packages=("${run_packages[@]}" "${test_packages[@]}") ;;
  *) echo "usage: setup.sh run|test" >&2; exit 2 ;;
esac
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
# A locale that writes decimals with a comma: the test suite runs once under
# it (scripts/test.sh), and some tests set it themselves.
if ! locale -a 2>/dev/null | grep -qix 'de_DE.utf-*8'; then
  sudo_cmd=()
  [ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
  "${sudo_cmd[@]}" localedef -i de_DE -f UTF-8 de_DE.UTF-8
fi
