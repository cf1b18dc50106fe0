#!/usr/bin/env bash
# Installs what is missing, cross-builds wavecalc.exe in Release with
# mingw-w64, and leaves in build/windows/dist/ the program, its portable
# zip and its installer. With --test, also runs its tests under Wine.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build/windows"
jobs=$(nproc 2>/dev/null || echo 2)

bash "$root/scripts/install-deps.sh" windows
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64.cmake" \
  -DWAVE_BUILD_BENCH=OFF >/dev/null
cmake --build "$build" --parallel "$jobs"
for made in "$build"/dist/*; do echo "build-windows: $made"; done

if [[ "${1:-}" == "--test" ]]; then
  ctest --test-dir "$build" --output-on-failure --parallel "$jobs"
fi
