#!/usr/bin/env bash
# Installs the build into a scratch prefix and validates the desktop files,
# then builds the .deb, has Debian's checker (lintian) pass it, unpacks it
# into a scratch root with dpkg -x, checks its contents, dependencies and
# manual pages, and starts the unpacked program.
# Usage: check_package.sh <build dir> <application id>
set -euo pipefail

build=$1
app=$2
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

fail() { echo "check_package: $*" >&2; exit 1; }

cmake --install "$build" --prefix "$scratch/prefix" >/dev/null
desktop-file-validate "$scratch/prefix/share/applications/$app.desktop"
appstreamcli validate --no-net "$scratch/prefix/share/metainfo/$app.metainfo.xml" >/dev/null

(cd "$build" && cpack -G DEB -B "$scratch/out" >/dev/null)
deb=$(find "$scratch/out" -maxdepth 1 -name 'wavecalc_*.deb' | head -n 1)
[[ -n "$deb" ]] || fail "no .deb was built"

# No error, warning or information, unless overridden in the package with
# its reason.
if ! report=$(lintian --fail-on error,warning,info --display-info "$deb" 2>&1); then
  echo "$report" >&2
  fail "lintian does not pass $(basename "$deb")"
fi

depends=$(dpkg-deb -f "$deb" Depends)
for needed in libqt6widgets6 libqt6gui6 libc6 libstdc++6 fonts-noto-cjk \
              fonts-arphic-uming; do
  [[ "$depends" == *"$needed"* ]] || fail "Depends lacks $needed: $depends"
done

dpkg -x "$deb" "$scratch/root"
for file in usr/bin/wavecalc \
            usr/share/doc/wavecalc/copyright \
            usr/share/doc/wavecalc/changelog.gz \
            usr/share/man/man1/wavecalc.1.gz \
            usr/share/man/zh_CN/man1/wavecalc.1.gz \
            usr/share/applications/$app.desktop \
            usr/share/metainfo/$app.metainfo.xml \
            usr/share/icons/hicolor/48x48/apps/$app.png \
            usr/share/icons/hicolor/256x256/apps/$app.png; do
  [[ -s "$scratch/root/$file" ]] || fail "the package lacks $file"
done
file "$scratch/root/usr/share/icons/hicolor/256x256/apps/$app.png" | grep -q '256 x 256' ||
  fail "the large icon is not 256 x 256"
unexpected=$(dpkg-deb -c "$deb" | awk '{print $6}' | grep -vE '^\./usr/(bin|share)(/|$)|^\./(usr/)?$' || true)
[[ -z "$unexpected" ]] || fail "unexpected files: $unexpected"

# `man wavecalc` reads in English and in Chinese, without a warning.
for language in en zh_CN; do
  page=$(MANPATH="$scratch/root/usr/share/man" LC_ALL=C.UTF-8 \
         man -L "$language" --warnings -P cat wavecalc 2>"$scratch/man.log")
  [[ ! -s "$scratch/man.log" ]] || fail "man ($language): $(cat "$scratch/man.log")"
  heading=NAME
  [[ $language == zh_CN ]] && heading=名称
  grep -q "^$heading" <<<"$page" || fail "man ($language) lacks $heading"
done

# Started from the unpacked root, the program keeps running until stopped.
set +e
QT_QPA_PLATFORM=offscreen timeout 3 "$scratch/root/usr/bin/wavecalc" 2>/dev/null
status=$?
set -e
[[ $status -eq 124 ]] || fail "wavecalc from the package exited with $status"
echo "check_package: $(basename "$deb") is complete and starts"
