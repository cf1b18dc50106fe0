#!/usr/bin/env bash
# Builds the .deb twice from the last commit, in two folders of different
# names, with SOURCE_DATE_EPOCH taken from that commit, and checks that the
# two packages have the same bytes. (diffoscope explains a difference.)
# Usage: check_reproducible.sh <source dir>
set -euo pipefail

source=$1
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
jobs=$(nproc 2>/dev/null || echo 2)

commit=$(git -C "$source" rev-parse HEAD)
SOURCE_DATE_EPOCH=$(git -C "$source" log -1 --format=%ct "$commit")
export SOURCE_DATE_EPOCH

packages=()
for tree in one another-tree; do
  mkdir -p "$scratch/$tree/source"
  git -C "$source" archive "$commit" | tar -x -C "$scratch/$tree/source"
  # Only what the package holds is built; installing builds nothing more.
  cmake -S "$scratch/$tree/source" -B "$scratch/$tree/build" \
    -DCMAKE_BUILD_TYPE=Release -DWAVE_BUILD_TESTS=OFF -DWAVE_BUILD_BENCH=OFF \
    -DCMAKE_SKIP_INSTALL_ALL_DEPENDENCY=ON >/dev/null
  cmake --build "$scratch/$tree/build" --parallel "$jobs" \
    --target wavecalc wave_documents >/dev/null
  (cd "$scratch/$tree/build" && cpack -G DEB -B "$scratch/$tree/out" >/dev/null 2>&1)
  packages+=("$(find "$scratch/$tree/out" -maxdepth 1 -name 'wavecalc_*.deb')")
done

sums=$(sha256sum "${packages[@]}" | awk '{print $1}' | sort -u)
if [[ $(wc -l <<<"$sums") -ne 1 ]]; then
  sha256sum "${packages[@]}" >&2
  echo "check_reproducible: two builds of $commit differ" >&2
  exit 1
fi
echo "check_reproducible: both builds of ${commit:0:12} give $(basename "${packages[0]}") $sums"
