#!/usr/bin/env bash
# Builds the last commit twice, in two folders of different names, with
# SOURCE_DATE_EPOCH taken from that commit, and checks that what users get
# has the same bytes both times: the .deb, or the Windows program with its
# zip and installer. (diffoscope explains a difference.)
# Usage: check_reproducible.sh <source dir> [deb|windows]
set -euo pipefail

source=$1
kind=${2:-deb}
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
jobs=$(nproc 2>/dev/null || echo 2)

commit=$(git -C "$source" rev-parse HEAD)
SOURCE_DATE_EPOCH=$(git -C "$source" log -1 --format=%ct "$commit")
export SOURCE_DATE_EPOCH

# build <source> <build> <out>: leaves in <out> what users get.
build_deb() {
  # Only what the package holds is built; installing builds nothing more.
  cmake -S "$1" -B "$2" -DCMAKE_BUILD_TYPE=Release -DWAVE_BUILD_TESTS=OFF \
    -DWAVE_BUILD_BENCH=OFF -DCMAKE_SKIP_INSTALL_ALL_DEPENDENCY=ON >/dev/null
  cmake --build "$2" --parallel "$jobs" --target wavecalc wave_documents >/dev/null
  (cd "$2" && cpack -G DEB -B "$3" >/dev/null 2>&1)
  rm -rf "$3/_CPack_Packages"
}
build_windows() {
  cmake -S "$1" -B "$2" -DCMAKE_BUILD_TYPE=Release -DWAVE_BUILD_TESTS=OFF \
    -DWAVE_BUILD_BENCH=OFF -DCMAKE_TOOLCHAIN_FILE="$1/cmake/mingw-w64.cmake" \
    >/dev/null
  cmake --build "$2" --parallel "$jobs" --target wave_windows_dist >/dev/null
  mv "$2/dist" "$3"
}

for tree in one another-tree; do
  mkdir -p "$scratch/$tree/source"
  git -C "$source" archive "$commit" | tar -x -C "$scratch/$tree/source"
  "build_$kind" "$scratch/$tree/source" "$scratch/$tree/build" "$scratch/$tree/out"
done

made=$(cd "$scratch/one/out" && find . -type f | sort)
[[ -n "$made" ]] || { echo "check_reproducible: nothing was built" >&2; exit 1; }
status=0
while read -r file; do
  if ! cmp -s "$scratch/one/out/$file" "$scratch/another-tree/out/$file"; then
    sha256sum "$scratch"/*/out/"$file" >&2
    echo "check_reproducible: two builds of $commit differ in $file" >&2
    status=1
  else
    echo "check_reproducible: both builds of ${commit:0:12} give ${file#./}" \
      "$(sha256sum <"$scratch/one/out/$file" | cut -c1-16)"
  fi
done <<<"$made"
exit $status
