#!/usr/bin/env bash
# Makes the Wine prefix the Windows tests run in, once: no Mono or Gecko
# installers, and "宋体"/"SimSun" drawn from Noto Serif CJK SC, as a
# Chinese Windows draws them from SimSun; the screen at WAVE_WINE_DPI dots
# per inch where that is set. Safe to call from parallel tests.
# Usage: wine_prefix.sh   (WINEPREFIX names the prefix)
set -euo pipefail
: "${WINEPREFIX:?}"
source "$(dirname "$0")/wine_env.sh"
mkdir -p "$(dirname "$WINEPREFIX")"
exec 9>"$WINEPREFIX.lock"
flock 9
if [[ -f "$WINEPREFIX/.wavecalc-ready" ]]; then exit 0; fi
rm -rf "$WINEPREFIX"
wineboot --init >/dev/null 2>&1
wineserver -w
reg=$(mktemp --suffix=.reg)
trap 'rm -f "$reg"' EXIT
# regedit reads UTF-16LE with a byte-order mark.
printf '%s\r\n' 'Windows Registry Editor Version 5.00' '' \
  '[HKEY_CURRENT_USER\Software\Wine\Fonts\Replacements]' \
  '"宋体"="Noto Serif CJK SC"' '"SimSun"="Noto Serif CJK SC"' '' \
  ${WAVE_WINE_DPI:+'[HKEY_CURRENT_USER\Control Panel\Desktop]'} \
  ${WAVE_WINE_DPI:+"\"LogPixels\"=dword:$(printf %08x "$WAVE_WINE_DPI")"} |
  iconv -f UTF-8 -t UTF-16LE | { printf '\xff\xfe'; cat; } >"$reg"
wine regedit /S "$(winepath -w "$reg")" >/dev/null 2>&1
wineserver -w
touch "$WINEPREFIX/.wavecalc-ready"
