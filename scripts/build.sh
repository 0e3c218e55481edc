#!/usr/bin/env bash
# Configures and builds Zorvane into build/ (the program is build/zorvane).
#   build.sh run    the program only
#   build.sh test   the program, the tests and the benchmarks (the default)
# Installs nothing: scripts/setup.sh does that.
set -euo pipefail
cd "$(dirname "$0")/.."
mode="${1:-test}"
case "$mode" in
  run) options=(-DBUILD_TESTING=OFF -DZORVANE_BENCHMARKS=OFF) ;;
  test) options=(-DBUILD_TESTING=ON -DZORVANE_BENCHMARKS=ON) ;;
  *) echo "usage: build.sh run|test" >&2; exit 2 ;;
esac
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo "${options[@]}" >/dev/null
cmake --build build -j"$(nproc)"
