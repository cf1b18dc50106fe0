#!/usr/bin/env bash
# Installs what is missing, builds wavecalc in Release and starts it.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build/run"

bash "$root/scripts/install-deps.sh" run
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release \
  -DWAVE_BUILD_TESTS=OFF -DWAVE_BUILD_BENCH=OFF >/dev/null
cmake --build "$build" --target wavecalc --parallel "$(nproc 2>/dev/null || echo 2)"
exec "$build/windows/qt/wavecalc" "$@"
