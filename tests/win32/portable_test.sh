#!/usr/bin/env bash
# The portable program under Wine, as a user runs it from a USB stick: it
# is unpacked from the zip into a read-only folder and started from there;
# the user calculates and saves a picture into another folder. Afterwards
# no file is new anywhere in the prefix, the home folder or the program's
# folder, but the picture the user saved.
# Usage (on a desktop, see on_desktop.sh): portable_test.sh <zip> <user_probe.exe>
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
zip=$1 probe=$2

scratch=$(mktemp -d)
trap 'wineserver -k 2>/dev/null || true; chmod -R u+w "$scratch"; rm -rf "$scratch"' EXIT
export HOME=$scratch/home WINEPREFIX=$scratch/prefix
mkdir -p "$HOME"
bash "$here/wine_prefix.sh"
source "$here/wine_env.sh"
fail() { echo "portable_test: $*" >&2; exit 1; }

stick=$scratch/stick
mkdir -p "$stick" "$scratch/saved"
(cd "$stick" && unzip -q "$zip")
program=$(find "$stick" -name wavecalc.exe)
[[ -n "$program" ]] || fail "no wavecalc.exe in $zip"
chmod -R a-w "$stick"
# Wine's own first start in a prefix writes files of its own.
wine "$probe" --help >/dev/null 2>&1 || true
wineserver -w
files() { find "$scratch" -type f -o -type l | sort; }
before=$(files)

picture=$scratch/saved/波浪.png
status=0
wine "$program" & started=$!
title=$(wine "$probe" save "$(winepath -w "$picture")") || fail "could not use the program"
wait "$started" || status=$?
wineserver -w
(( status == 0 )) || fail "the program ended with $status"
[[ $(head -c 8 "$picture" | od -An -tx1 | tr -d ' \n') == 89504e470d0a1a0a ]] ||
  fail "no PNG was saved"

new=$(comm -13 <(echo "$before") <(files))
[[ "$new" == "$picture" ]] || fail "new files besides the picture:"$'\n'"$new"
echo "portable_test: '$title' ran from a read-only folder and left only $(basename "$picture")"
