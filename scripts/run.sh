#!/usr/bin/env bash
# Builds Mirevo for Windows and starts it under Wine. Without a display it runs on a virtual
# one, takes a screenshot after start-up and prints its path.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake --preset win64 >/dev/null
cmake --build --preset win64 --target Mirevo -- -j"$(nproc)" | grep -v '^\[' || true
exe=$PWD/build/win64/bin/Mirevo.exe
[ -f "$exe" ] || { echo "build failed" >&2; exit 1; }

export LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8 WINEDEBUG=-all WINEDLLOVERRIDES=mscoree,mshtml=
if [ -n "${DISPLAY:-}" ]; then
  export WINEPREFIX=${WINEPREFIX:-$HOME/.mirevo-wine}
  scripts/prepare-wine-prefix.sh
  exec /usr/lib/wine/wine64 "$exe"
fi

shot=$PWD/build/mirevo-screenshot.png
scripts/with-display.sh bash -c '
  /usr/lib/wine/wine64 "$1" &
  for _ in $(seq 120); do
    xdotool search --name "^Mirevo$" >/dev/null 2>&1 && break
    sleep 0.5
  done
  sleep 2
  import -window root "$2"
' _ "$exe" "$shot"
echo "No display: Mirevo ran on a virtual one. Screenshot: $shot"
