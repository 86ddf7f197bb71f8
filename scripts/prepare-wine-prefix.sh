#!/usr/bin/env bash
# Prepares the Wine prefix in WINEPREFIX once: Wine draws window frames itself (no window
# manager runs on a virtual display), and the Japanese Windows fonts the program asks for
# are mapped to the IPA fonts of this machine.
set -euo pipefail
marker=$WINEPREFIX/.mirevo-prepared
[ -f "$marker" ] && exit 0
wine=/usr/lib/wine/wine64
"$wine" reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /d N /f >/dev/null 2>&1 || true
substitutes='HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontSubstitutes'
for pair in 'ＭＳ Ｐゴシック=IPAPGothic' 'ＭＳ ゴシック=IPAGothic' 'MS UI Gothic=IPAPGothic'; do
  "$wine" reg add "$substitutes" /v "${pair%%=*}" /d "${pair#*=}" /f >/dev/null 2>&1 || true
done
touch "$marker"
