#!/usr/bin/env bash
# wavecalc.exe imports system DLLs only: no runtime of the compiler's, and
# no zlib or other library that a user's Windows does not have.
# Usage: imports_test.sh wavecalc.exe objdump
set -euo pipefail
imports=$("$2" -p "$1" | sed -n 's/^[[:space:]]*DLL Name: //p' | tr 'A-Z' 'a-z')
[[ -n $imports ]] || { echo "no imports read from $1" >&2; exit 1; }
system='(advapi32|comctl32|comdlg32|gdi32|imm32|kernel32|msimg32|msvcrt|ole32|oleacc|oleaut32|shell32|user32|uxtheme)\.dll'
others=$(grep -vxE "$system" <<<"$imports" || true)
[[ -z $others ]] || { echo "wavecalc.exe imports, beyond the system's:" $others >&2; exit 1; }
