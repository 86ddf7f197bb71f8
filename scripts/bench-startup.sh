#!/usr/bin/env bash
# Start-up benchmark under Wine: the time from CreateProcess until Mirevo.exe shows its main
# window, against a minimal program that shows one window, all started in turns by a timer
# that polls from inside the same Wine (platform/win32/bench/StartupTimer.cpp) on a warmed-up
# prefix. Three references lie between them: the minimal window linked against the common
# controls with Mirevo's manifest (the floor that loading those controls sets); that window
# with a drop target registered before it shows, as Mirevo's must be (what OLE's set-up adds);
# and the windows of Mirevo's first showing made with bare calls (what that window tree costs
# in itself). Prints the medians and their ratios to the minimal window (aim: within 1.2).
# Mirevo is timed as the release zip ships it (stripped, as scripts/release.sh makes it) and
# as the build leaves it, with its line tables, which Wine maps with the rest of the image.
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-21}
scripts/setup.sh
cmake --preset win64 >/dev/null
cmake --build --preset win64 --target Mirevo minimal_window common_controls_window drop_target_window bare_window_tree startup_timer -- -j"$(nproc)" >/dev/null
# Each program starts in a folder of its own, as a user has it, without a settings file.
folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT
mkdir "$folder/shipped" "$folder/built"
x86_64-w64-mingw32-strip -o "$folder/shipped/Mirevo.exe" build/win64/bin/Mirevo.exe
cp build/win64/bin/Mirevo.exe "$folder/built/"
(scripts/with-display.sh bash -s "$runs" "$folder" <<'SCRIPT'
# A persistent server, so each launch measures the program rather than the server's start.
/usr/lib/wine/wineserver -p
/usr/lib/wine/wine64 build/win64/bin/startup_timer.exe "$1" build/win64/bin/minimal_window.exe \
  build/win64/bin/common_controls_window.exe build/win64/bin/drop_target_window.exe \
  build/win64/bin/bare_window_tree.exe \
  "$2/shipped/Mirevo.exe" "$2/built/Mirevo.exe" 2>/dev/null | grep '^start-up'
SCRIPT
) | tee "$folder/figures"
# What Mirevo's own code adds: the shipped program against the same windows made bare.
awk '/bare_window_tree/ { tree = $(NF-6) } /shipped\/Mirevo/ { mirevo = $(NF-6) }
     END { if (tree > 0) printf "start-up against the bare window tree: " \
                                "Mirevo as shipped %.2f\n", mirevo / tree }' "$folder/figures"
