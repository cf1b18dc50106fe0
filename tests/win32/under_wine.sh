#!/usr/bin/env bash
# Runs a Windows program under Wine in the test prefix, on a desktop of its
# own (Xvfb and openbox), as a user starts it.
# Usage: under_wine.sh program.exe [arguments...]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
export WINEPREFIX=${WAVE_WINEPREFIX:-$HOME/.cache/wavecalc/wine}${WAVE_WINE_DPI:+-dpi$WAVE_WINE_DPI}
source "$here/wine_env.sh"
bash "$here/wine_prefix.sh"
exec bash "$here/../desktop/on_desktop.sh" wine "$@"
