#!/usr/bin/env bash
# Soak under Wine: one long session of the real program (tests/wine/journeys/
# LongSessionJourney.cpp), by default 10,000 links (typed, built, copied, cleared, on every tab
# in turn) and 1,000 openings each of the settings dialog and the About box. Prints the
# program's objects, handles and memory at intervals, the time taken, and fails when they
# grow. scripts/soak.sh [LINKS [OPENINGS]]
set -euo pipefail
cd "$(dirname "$0")/.."
links=${1:-10000}
openings=${2:-1000}
scripts/setup.sh
cmake --preset win64 >/dev/null
cmake --build --preset win64 --target mirevo_journeys -- -j2 >/dev/null
start=$(date +%s)
status=0
MIREVO_SOAK_CYCLES=$links MIREVO_SOAK_DIALOGS=$openings scripts/with-display.sh \
  /usr/lib/wine/wine64 build/win64/bin/mirevo_journeys.exe --gtest_brief=1 \
  --gtest_filter='LongSession.*' || status=$?
echo "soak: $links links, $openings openings of each dialog, $(( $(date +%s) - start )) s"
exit "$status"
