#!/usr/bin/env bash
# Builds the libFuzzer targets into fuzz-build/ and runs each on its seed
# corpus for a bounded time. Usage: scripts/fuzz.sh [seconds per target]
# (default 5). New inputs found go into fuzz-build/corpus/<name>/, never into
# the committed seeds; a finding stops the script with the fuzzer's report.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-5}"
CC=clang CXX=clang++ cmake -S fuzz -B fuzz-build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build fuzz-build -j2
for bin in fuzz-build/*_fuzz; do
  name="$(basename "$bin" _fuzz)"
  work="fuzz-build/corpus/$name"
  mkdir -p "$work" fuzz-build/findings
  echo "fuzz: $name for ${seconds}s"
  "$bin" -max_total_time="$seconds" -print_final_stats=1 -artifact_prefix=fuzz-build/findings/"$name"- \
    "$work" "fuzz/corpus/$name" 2>"fuzz-build/$name.log" || {
    tail -n 40 "fuzz-build/$name.log"
    echo "fuzz: $name has a finding (input in fuzz-build/findings/)" >&2
    exit 1
  }
  grep -E "stat::number_of_executed_units" "fuzz-build/$name.log" || true
done
