#!/usr/bin/env bash
# Builds Zorvane and runs the whole test suite: the normal build, the same
# suite built with AddressSanitizer and UndefinedBehaviorSanitizer, and a
# short bounded run of every fuzz target. The tests of numbers in texts run
# under a locale that writes decimals with a comma (de_DE.UTF-8) by
# themselves. With CI=true a test that cannot run fails.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh test
bash scripts/build.sh test
export QT_QPA_PLATFORM=offscreen
ctest --test-dir build --output-on-failure --no-tests=error -j"$(nproc)"

cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZORVANE_SANITIZE=ON \
  -DZORVANE_BENCHMARKS=OFF >/dev/null
cmake --build build-asan -j"$(nproc)"
# The real-window smoke test and the installed-program tests run once, in the
# normal build: under a real X server the sanitized program would also report
# the X libraries' own allocations that live until exit.
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  ctest --test-dir build-asan --output-on-failure -j"$(nproc)" -E "smoke_real_window|installed_"

bash scripts/fuzz.sh 5
