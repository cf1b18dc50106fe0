#!/usr/bin/env bash
# Installs the Debian packages that building and testing wavecalc need, and
# only those that are missing. Usage: install-deps.sh [core|run|windows|all]
#   core     compiler, CMake, GoogleTest, Google Benchmark, clang for fuzzing
#            (and zlib, for the PNG decoder's fuzzer)
#   run      what building and starting the program needs
#   windows  what cross-building wavecalc.exe and testing it under Wine need
#   all      everything the full test run uses (default)
set -euo pipefail

profile=${1:-all}

core_packages=(g++ cmake make libgtest-dev libbenchmark-dev clang
               libclang-rt-14-dev zlib1g-dev)
# The Song-style faces that stand in for 宋体: Noto Serif CJK first, for its
# true bold, and AR PL UMing as the fallback; HarfBuzz's subsetter cuts
# from Noto the glyphs that the program carries, found with fc-list.
run_packages=(g++ cmake make qt6-base-dev fonts-noto-cjk fonts-arphic-uming
              qt6-translations-l10n libharfbuzz-bin fontconfig libfontconfig-dev)
# Desktop integration checks, memory checks, packaging (manual pages,
# Debian's package checker), the Latin font the logo is drawn with, and a
# desktop of its own for the tests: an X server, a window manager and the
# accessibility bus that screen readers use.
check_packages=(desktop-file-utils appstream valgrind dpkg-dev file scdoc
                man-db lintian git fonts-dejavu-core xvfb xauth x11-utils
                openbox dbus-x11 at-spi2-core python3-pyatspi imagemagick)

# The Windows program: mingw-w64 with POSIX threads and zlib, GoogleTest's sources
# to build for Windows, NSIS for the installer and Python for the zip, and
# Wine on a desktop of its own (with its session bus) with the Song face
# standing in for 宋体; unzip for the portable program's test.
windows_packages=(cmake make g++-mingw-w64-x86-64-posix libz-mingw-w64-dev
                  googletest wine wine64
                  nsis python3 unzip
                  xvfb xauth x11-utils openbox dbus-x11 fonts-noto-cjk
                  imagemagick)

# Starting the program needs no package's recommends: every package it
# uses is named above. The test profiles keep them, for the desktop tools.
options=()
case "$profile" in
  core) wanted=("${core_packages[@]}") ;;
  run) wanted=("${run_packages[@]}"); options=(--no-install-recommends) ;;
  windows) wanted=("${windows_packages[@]}") ;;
  all) wanted=("${core_packages[@]}" "${run_packages[@]}" "${check_packages[@]}"
               "${windows_packages[@]}") ;;
  *) echo "usage: $0 [core|run|windows|all]" >&2; exit 2 ;;
esac

missing=()
for package in "${wanted[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
  if [[ "$status" != "install ok installed" ]]; then
    missing+=("$package")
  fi
done
# Deduplicate while keeping order.
mapfile -t missing < <(printf '%s\n' "${missing[@]+"${missing[@]}"}" | awk 'NF && !seen[$0]++')

if (( ${#missing[@]} == 0 )); then
  exit 0
fi

if (( EUID == 0 )); then
  as_root=()
elif command -v sudo >/dev/null; then
  as_root=(sudo)
else
  echo "install-deps: need root or sudo to install: ${missing[*]}" >&2
  exit 1
fi

echo "install-deps: installing ${missing[*]}"
"${as_root[@]}" apt-get update
"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive \
  apt-get install -y "${options[@]+"${options[@]}"}" "${missing[@]}"
