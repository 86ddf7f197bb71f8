#!/usr/bin/env bash
# Runs a command with a virtual X display and a fresh Wine prefix in the Japanese locale
# (code page 932), and cleans both up.
set -euo pipefail
export LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8 WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
work=$(mktemp -d "${TMPDIR:-/tmp}/mirevo-run.XXXXXX")
export WINEPREFIX=$work/wineprefix
display_number=$((90 + RANDOM % 400))
while [ -e /tmp/.X11-unix/X$display_number ]; do display_number=$((display_number + 1)); done
Xvfb ":$display_number" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
cleanup() {
  /usr/lib/wine/wineserver -k >/dev/null 2>&1 || true
  kill "$xvfb_pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
export DISPLAY=":$display_number"
for _ in $(seq 50); do [ -e /tmp/.X11-unix/X$display_number ] && break; sleep 0.1; done
"$(dirname "$0")/prepare-wine-prefix.sh"
"$@"
