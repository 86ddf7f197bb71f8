#!/usr/bin/env bash
# Prepares the Wine prefix in WINEPREFIX once, so that programs look as on a Japanese Windows:
# Wine draws window frames (no window manager runs on a virtual display), finds its own fonts
# (Marlett draws the caption buttons), maps the Japanese Windows UI fonts to the IPA fonts of
# this machine, and uses Windows' default system colours and non-client fonts.
set -euo pipefail
# Raise the version when the settings change, so prepared prefixes take the new ones.
version=2
marker=$WINEPREFIX/.mirevo-prepared
[ "$(cat "$marker" 2>/dev/null)" = "$version" ] && exit 0
wine=/usr/lib/wine/wine64

# Debian's Wine looks for its own fonts in "<data dir>\../fonts", a name no path lookup
# resolves, so marlett.ttf of fonts-wine is never loaded; name the folder to it directly.
wine_fonts=/usr/share/wine/fonts
[ -f "$wine_fonts/marlett.ttf" ] ||
  echo "prepare-wine-prefix: $wine_fonts/marlett.ttf missing (install fonts-wine)" >&2

# A LOGFONTW as a registry value: 9 pt (-12 at 96 dpi), regular, Shift-JIS, variable pitch.
logfont() {
  local face bytes
  face=$(printf '%s' "$1" | iconv -f UTF-8 -t UTF-16LE | od -An -tx1 -v | tr -s ' \n' ' ')
  bytes="f4 ff ff ff 00 00 00 00 00 00 00 00 00 00 00 00 90 01 00 00 00 00 00 80 00 00 00 22$face"
  while [ "$(wc -w <<<"$bytes")" -lt 92 ]; do bytes+=" 00"; done
  printf 'hex:%s' "$(tr -s ' ' '\n' <<<"$bytes" | grep . | paste -sd,)"
}

# A REG_MULTI_SZ value holding one string.
multi_sz() {
  printf 'hex(7):%s' "$(printf '%s' "$1" | iconv -f UTF-8 -t UTF-16LE | od -An -tx1 -v |
    tr -s ' \n' '\n' | grep . | paste -sd, -),00,00,00,00"
}

# Windows 10's Japanese UI font; Wine follows one substitute only, so every name maps
# straight to an IPA font ("MS Shell Dlg" is "MS UI Gothic" on a Japanese Windows).
ui_font=$(logfont 'Yu Gothic UI')
# Wine links Tahoma and the like to MSGOTHIC.TTC for Japanese characters, a file this
# machine lacks, so they showed boxes; link them to the proportional IPA font instead.
ipa_link=$(multi_sz 'ipagp.ttf,IPAPGothic')
fonts_value="Z:${wine_fonts//\//\\\\}"
reg_file=$(mktemp "${TMPDIR:-/tmp}/mirevo-prefix.XXXXXX.reg")
trap 'rm -f "$reg_file"' EXIT
{
  printf '\xff\xfe'
  iconv -f UTF-8 -t UTF-16LE <<REG
Windows Registry Editor Version 5.00

[HKEY_CURRENT_USER\\Software\\Wine\\X11 Driver]
"Decorated"="N"

[HKEY_CURRENT_USER\\Software\\Wine\\Fonts]
"Path"="$fonts_value"

[HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows NT\\CurrentVersion\\FontSubstitutes]
"ＭＳ Ｐゴシック"="IPAPGothic"
"ＭＳ ゴシック"="IPAGothic"
"MS PGothic"="IPAPGothic"
"MS Gothic"="IPAGothic"
"MS UI Gothic"="IPAPGothic"
"MS Shell Dlg"="IPAPGothic"
"Meiryo UI"="IPAPGothic"
"Meiryo"="IPAPGothic"
"Yu Gothic UI"="IPAPGothic"

[HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows NT\\CurrentVersion\\FontLink\\SystemLink]
"Tahoma"=$ipa_link
"Microsoft Sans Serif"=$ipa_link
"Segoe UI"=$ipa_link
"Lucida Sans Unicode"=$ipa_link

[HKEY_CURRENT_USER\\Control Panel\\Desktop\\WindowMetrics]
"CaptionFont"=$ui_font
"SmCaptionFont"=$ui_font
"MenuFont"=$ui_font
"StatusFont"=$ui_font
"MessageFont"=$ui_font
"IconFont"=$ui_font

[HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\ThemeManager]
"LoadedBefore"="1"

[-HKEY_CURRENT_USER\\Software\\Wine\\Temporary System Parameters\\Control Panel\\Colors]

[HKEY_CURRENT_USER\\Control Panel\\Colors]
"ActiveBorder"="180 180 180"
"ActiveTitle"="153 180 209"
"AppWorkspace"="171 171 171"
"Background"="0 0 0"
"ButtonAlternateFace"="0 0 0"
"ButtonDkShadow"="105 105 105"
"ButtonFace"="240 240 240"
"ButtonHilight"="255 255 255"
"ButtonLight"="227 227 227"
"ButtonShadow"="160 160 160"
"ButtonText"="0 0 0"
"GradientActiveTitle"="185 209 234"
"GradientInactiveTitle"="215 228 242"
"GrayText"="109 109 109"
"Hilight"="0 120 215"
"HilightText"="255 255 255"
"HotTrackingColor"="0 102 204"
"InactiveBorder"="244 247 252"
"InactiveTitle"="191 205 219"
"InactiveTitleText"="0 0 0"
"InfoText"="0 0 0"
"InfoWindow"="255 255 225"
"Menu"="240 240 240"
"MenuBar"="240 240 240"
"MenuHilight"="0 120 215"
"MenuText"="0 0 0"
"Scrollbar"="200 200 200"
"TitleText"="0 0 0"
"Window"="255 255 255"
"WindowFrame"="100 100 100"
"WindowText"="0 0 0"
REG
} >"$reg_file"

# The first Wine process creates the prefix and returns after wineboot, so the import
# follows its defaults. The theme wineboot applied left its colours in the volatile
# "Temporary System Parameters", which Wine reads first while the wineserver runs: the
# import deletes them instead of waiting for the wineserver to exit. LoadedBefore keeps
# the theme from applying its colours again.
"$wine" regedit /S "Z:${reg_file//\//\\}" >/dev/null 2>&1
echo "$version" >"$marker"
