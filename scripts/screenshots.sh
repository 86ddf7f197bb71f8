#!/usr/bin/env bash
# Builds Mirevo and takes screenshots of its windows on a virtual display, as a user sees
# them: each tab with typed, marked fields, a generated code, the settings dialog and the
# About box. Writes PNG files into the folder given (default build/screenshots).
set -euo pipefail
cd "$(dirname "$0")/.."
out=$(realpath -m "${1:-build/screenshots}")
mkdir -p "$out"
scripts/setup.sh
cmake --preset win64 >/dev/null
cmake --build --preset win64 --target Mirevo -- -j"$(nproc)" >/dev/null
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp build/win64/bin/Mirevo.exe "$work/"
printf '[Options]\r\na8matEsy=111AAA+222BBB+3333+44CCC5\r\na8matTxt=111AAA+222BBB+3333+55DDD6\r\na8matImg=111AAA+222BBB+3333+66EEE7\r\nlinefeed=1\r\n' >"$work/Mirevo.ini"
domain=$(sed -n 's/^MIREVO_MERCHANT_DOMAIN_A:STRING=//p' build/win64/CMakeCache.txt)

scripts/with-display.sh bash -s "$work" "$out" "$domain" <<'SCRIPT'
work=$1 out=$2 domain=$3
shot() { sleep 1; import -window root -crop 620x480+150+80 "$out/$1.png"; }
/usr/lib/wine/wine64 "$work/Mirevo.exe" &
for _ in $(seq 120); do w=$(xdotool search --name '^Mirevo$' 2>/dev/null | head -1) && [ -n "$w" ] && break; sleep 0.5; done
sleep 2
shot main-start
# Window-relative places of the tabs and fields (Wine draws the frame on the virtual display).
click() { xdotool mousemove --window "$w" "$1" "$2" click 1; sleep 0.3; }
click 258 117
xdotool type --delay 20 "http://item.$domain/shop/item-1/"
shot tab1-marked
xdotool key ctrl+Return
shot tab1-code
click 313 80
click 258 152
xdotool type --delay 20 "Book"
click 258 187
xdotool type --delay 20 "http://image.$domain/cabinet/book.jpg"
shot tab4-marked
xdotool key ctrl+Return
shot tab4-code
# Select part of the code with the keyboard in the result view.
click 240 300
xdotool key ctrl+Home shift+Down shift+Down shift+Down shift+End
shot code-selected
xdotool key ctrl+End
shot code-scrolled
click 25 29
shot menu-file
xdotool key Escape
click 140 29
shot menu-help
xdotool key Down Return
sleep 2
shot about
xdotool key Return
click 200 55
shot settings
xdotool key Escape
SCRIPT
ls "$out"
