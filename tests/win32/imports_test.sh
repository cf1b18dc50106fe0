#!/usr/bin/env bash
# wavecalc.exe imports system DLLs only: no runtime of the compiler's, and
# no zlib or other library that a user's Windows does not have.
# Usage: imports_test.sh wavecalc.exe objdump
set -euo pipefail
exe=$1
objdump=$2
system=" advapi32.dll comctl32.dll comdlg32.dll gdi32.dll imm32.dll
 kernel32.dll msimg32.dll msvcrt.dll ole32.dll oleacc.dll oleaut32.dll
 shell32.dll user32.dll uxtheme.dll "
imports=$("$objdump" -p "$exe" | sed -n 's/^[[:space:]]*DLL Name: //p' |
  tr '[:upper:]' '[:lower:]')
[[ -n $imports ]] || { echo "no imports read from $exe" >&2; exit 1; }
status=0
for dll in $imports; do
  if [[ $system != *[[:space:]]$dll[[:space:]]* ]]; then
    echo "wavecalc.exe imports $dll, which is not a system DLL" >&2
    status=1
  fi
done
exit $status
