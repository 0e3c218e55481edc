#!/usr/bin/env bash
# Collects the interface's strings (tr() and QCoreApplication::translate()
# in src/) into translations/zorvane_<language>.ts. New strings arrive
# unfinished, changed ones are marked for review and strings no longer in
# the code are dropped; translate them (Qt Linguist, or by hand in the XML)
# and rebuild: CMake compiles the .ts files to the .qm files built into the
# program.
set -euo pipefail
cd "$(dirname "$0")/.."
lupdate=$(command -v lupdate || true)
[ -n "$lupdate" ] || lupdate=/usr/lib/qt6/bin/lupdate
[ -x "$lupdate" ] || { echo "lupdate not found: install qt6-l10n-tools" >&2; exit 1; }
ts=()
for lang in de fr es; do ts+=("translations/zorvane_$lang.ts"); done
"$lupdate" -no-obsolete -locations none -extensions cpp,h src -ts "${ts[@]}"
