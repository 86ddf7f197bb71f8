#!/usr/bin/env bash
# Start-up benchmark under Wine: the time from CreateProcess until Mirevo.exe shows its main
# window, against a minimal program that shows one window, both started in turns by a timer
# that polls from inside the same Wine (platform/win32/bench/StartupTimer.cpp) on a warmed-up
# prefix. A third program, the minimal window linked against the common controls with Mirevo's
# manifest, shows the floor that loading those controls sets. Prints the medians and their
# ratios to the minimal window (aim: within 1.2).
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-21}
scripts/setup.sh
cmake --preset win64 >/dev/null
cmake --build --preset win64 --target Mirevo minimal_window common_controls_window startup_timer -- -j"$(nproc)" >/dev/null
# The program starts in a folder of its own, as a user has it, without a settings file.
folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT
cp build/win64/bin/Mirevo.exe "$folder/"
scripts/with-display.sh bash -s "$runs" "$folder" <<'SCRIPT'
# A persistent server, so each launch measures the program rather than the server's start.
/usr/lib/wine/wineserver -p
/usr/lib/wine/wine64 build/win64/bin/startup_timer.exe "$1" build/win64/bin/minimal_window.exe \
  build/win64/bin/common_controls_window.exe \
  "$2/Mirevo.exe" 2>/dev/null | grep '^start-up'
SCRIPT
