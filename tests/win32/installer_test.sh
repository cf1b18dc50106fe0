#!/usr/bin/env bash
# The installer under Wine, silent as a deployment tool runs it, in a new
# prefix: it installs version N-1 into a chosen folder, then N over it,
# starts the installed program, and uninstalls through the registered
# QuietUninstallString; then the same for one user alone. After each step
# it checks the files, the shortcut and the uninstall key, on disk and in
# the registry rather than by the installer's exit code.
# Usage (on a desktop, see on_desktop.sh):
#   installer_test.sh <dist dir> <user_probe.exe> <installer.nsi> <makensis...>
# with WAVE_NAME_ZH, WAVE_VERSION, WAVE_PUBLISHER and WAVE_ADDRESS set.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
dist=$1 probe=$2 nsi=$3
shift 3
makensis=("$@")
: "${WAVE_NAME_ZH:?}" "${WAVE_VERSION:?}" "${WAVE_PUBLISHER:?}" "${WAVE_ADDRESS:?}"

scratch=$(mktemp -d)
trap 'wineserver -k 2>/dev/null || true; rm -rf "$scratch"' EXIT
export WINEPREFIX=$scratch/prefix
bash "$here/wine_prefix.sh"
source "$here/wine_env.sh"
drive=$WINEPREFIX/drive_c
key='Software\Microsoft\Windows\CurrentVersion\Uninstall\wavecalc'
fail() { echo "installer_test: $*" >&2; exit 1; }
run() { wine "$@"; wineserver -w; }

# The uninstall key under root, as "name"="value" lines; empty if absent.
key_values() {
  local out=$scratch/key.reg
  rm -f "$out"
  wine regedit /E "$(winepath -w "$out")" "$1\\$key" >/dev/null 2>&1 || true
  [[ -f "$out" ]] || return 0
  iconv -f UTF-16LE -t UTF-8 "$out" | tr -d '\r\357\273\277' | grep '^"' | sort
}
expect_key() {  # expect_key <root> <folder, as Windows writes it>
  local dir=$2 got want
  got=$(key_values "$1")
  want=$(sort <<EOF2
"DisplayIcon"="${dir//\\/\\\\}\\\\wavecalc.exe,0"
"DisplayName"="$WAVE_NAME_ZH"
"DisplayVersion"="$WAVE_VERSION"
"InstallLocation"="${dir//\\/\\\\}"
"NoModify"=dword:00000001
"NoRepair"=dword:00000001
"Publisher"="$WAVE_PUBLISHER"
"QuietUninstallString"="\\"${dir//\\/\\\\}\\\\uninstall.exe\\" /S"
"URLInfoAbout"="$WAVE_ADDRESS"
"UninstallString"="\\"${dir//\\/\\\\}\\\\uninstall.exe\\""
EOF2
)
  # The size is the program's, in KiB.
  local size kib
  size=$(grep '^"EstimatedSize"=dword:' <<<"$got" | cut -d: -f2)
  kib=$(( $(stat -c %s "$dist/wavecalc.exe") / 1024 ))
  [[ -n "$size" ]] && (( 16#$size >= kib && 16#$size < kib + 64 )) ||
    fail "EstimatedSize is '$size', the program is $kib KiB"
  got=$(grep -v '^"EstimatedSize"' <<<"$got")
  [[ "$got" == "$want" ]] || fail "$1\\$key holds"$'\n'"$got"$'\n'"not"$'\n'"$want"
}
expect_files() {  # expect_files <folder> <name...>
  local got want
  got=$(ls -A "$1" | sort)
  want=$(printf '%s\n' "${@:2}" | sort)
  [[ "$got" == "$want" ]] || fail "$1 holds [$got], not [$want]"
}
# A shortcut that starts the installed program.
expect_shortcut() {  # expect_shortcut <.lnk> <program, as Windows writes it>
  [[ -f "$1" ]] || fail "no shortcut $1"
  iconv -f UTF-16LE -t UTF-8 <"$1" 2>/dev/null | grep -qaF "$2" ||
    grep -qaF "$2" "$1" || fail "$1 does not start $2"
}
# Starts the installed program as a user does, sees Form1, closes it.
expect_starts() {
  local status=0
  wine "$1" & local program=$!
  title=$(wine "$probe" close) || fail "the installed program showed no Form1"
  wait "$program" || status=$?
  (( status == 0 )) || fail "the installed program ended with $status"
  echo "installer_test: the installed program showed '$title' and closed"
}
uninstall_quietly() {  # through the command the key registers
  local command
  command=$(key_values "$1" | sed -n 's/^"QuietUninstallString"="\(.*\)"$/\1/p')
  command=${command//\\\\/\\}
  [[ "$command" =~ ^\\\"(.*)\\\"\ (/S)$ ]] || fail "QuietUninstallString is '$command'"
  run "${BASH_REMATCH[1]}" "${BASH_REMATCH[2]}"
}
ours=(LICENSE.txt uninstall.exe wavecalc.exe 说明.txt)
menu="$drive/ProgramData/Microsoft/Windows/Start Menu/Programs/$WAVE_NAME_ZH.lnk"

echo "== for every user: version N-1 into a chosen folder, then N over it"
"${makensis[@]}" -DVERSION=0.9.0 "-DOUTFILE=$scratch/old-setup.exe" "$nsi" >/dev/null
run "$scratch/old-setup.exe" /S '/D=C:\apps\wavecalc'
[[ $(key_values HKEY_LOCAL_MACHINE) == *'"DisplayVersion"="0.9.0"'* ]] ||
  fail "version N-1 did not register"
run "$dist/wavecalc-$WAVE_VERSION-setup.exe" /S
folder=$drive/apps/wavecalc
expect_files "$folder" "${ours[@]}"
cmp "$folder/wavecalc.exe" "$dist/wavecalc.exe" || fail "the program was not replaced"
expect_key HKEY_LOCAL_MACHINE 'C:\apps\wavecalc'
[[ -z $(key_values HKEY_CURRENT_USER) ]] || fail "a second entry, for the user"
expect_shortcut "$menu" 'C:\apps\wavecalc\wavecalc.exe'
[[ ! -e "$drive/users/Public/Desktop/$WAVE_NAME_ZH.lnk" ]] ||
  fail "a desktop shortcut nobody asked for"
expect_starts 'C:\apps\wavecalc\wavecalc.exe'

echo "== uninstalled, a file of the user's stays"
echo "3000 3500" >"$folder/我的笔记.txt"
uninstall_quietly HKEY_LOCAL_MACHINE
expect_files "$folder" 我的笔记.txt
[[ ! -e "$menu" ]] || fail "the shortcut is left"
[[ -z $(key_values HKEY_LOCAL_MACHINE) ]] || fail "the uninstall key is left"

echo "== for one user, into the default folder"
run "$dist/wavecalc-$WAVE_VERSION-setup.exe" /S /CURRENTUSER
user_dir=$(wine cmd /c 'echo %LOCALAPPDATA%' | tr -d '\r')
user_folder=$(winepath -u "$user_dir\\Programs\\wavecalc")
expect_files "$user_folder" "${ours[@]}"
expect_key HKEY_CURRENT_USER "$user_dir\\Programs\\wavecalc"
[[ -z $(key_values HKEY_LOCAL_MACHINE) ]] || fail "an entry for every user"
user_menu=$(winepath -u "$(wine cmd /c 'echo %APPDATA%' | tr -d '\r')\\Microsoft\\Windows\\Start Menu\\Programs\\$WAVE_NAME_ZH.lnk")
expect_shortcut "$user_menu" "$user_dir\\Programs\\wavecalc\\wavecalc.exe"
uninstall_quietly HKEY_CURRENT_USER
[[ ! -e "$user_folder" && ! -e "$user_menu" ]] || fail "the user's install is left"
[[ -z $(key_values HKEY_CURRENT_USER) ]] || fail "the user's key is left"
echo "installer_test: passed"
