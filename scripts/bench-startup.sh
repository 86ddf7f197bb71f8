#!/usr/bin/env bash
# Start-up benchmark under Wine: the time from launching Mirevo.exe until its main window is
# shown, against a minimal program that shows one window, measured in the same run on the
# same warmed-up Wine prefix. Prints the medians and their ratio (aim: within 1.5).
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-5}
scripts/setup.sh
cmake --preset win64 >/dev/null
cmake --build --preset win64 --target Mirevo minimal_window -- -j"$(nproc)" >/dev/null
scripts/with-display.sh bash -s "$runs" <<'SCRIPT'
runs=$1
# Milliseconds from launch until a window with the title is mapped.
time_to_window() {
  local exe=$1 title=$2 start end pid
  start=$(date +%s%N)
  /usr/lib/wine/wine64 "$exe" >/dev/null 2>&1 &
  pid=$!
  until xdotool search --onlyvisible --name "^$title\$" >/dev/null 2>&1; do sleep 0.01; done
  end=$(date +%s%N)
  kill "$pid" 2>/dev/null; wait "$pid" 2>/dev/null || true
  while kill -0 "$pid" 2>/dev/null; do sleep 0.01; done
  echo $(((end - start) / 1000000))
}
# A persistent server, so each launch measures the program rather than the server's start.
/usr/lib/wine/wineserver -p
median() { sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }
time_to_window build/win64/bin/minimal_window.exe MinimalWindow >/dev/null  # warms the prefix
mirevo=(); minimal=()
for _ in $(seq "$runs"); do
  minimal+=("$(time_to_window build/win64/bin/minimal_window.exe MinimalWindow)")
  mirevo+=("$(time_to_window build/win64/bin/Mirevo.exe Mirevo)")
done
m=$(printf '%s\n' "${mirevo[@]}" | median)
b=$(printf '%s\n' "${minimal[@]}" | median)
awk -v m="$m" -v b="$b" 'BEGIN { printf "start-up to first window: Mirevo %d ms, minimal window %d ms, ratio %.2f\n", m, b, m / b }'
SCRIPT
