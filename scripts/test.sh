#!/usr/bin/env bash
# Installs what is missing, builds, and runs the whole suite:
#   1. the Release build: unit, GUI, memcheck, picture and package tests,
#      and a short soak of the real windows;
#   2. the same unit and GUI tests under AddressSanitizer and UBSan;
#   3. the fuzzers, for a bounded number of inputs;
#   4. the Windows program, cross-built, and its tests under Wine.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
jobs=$(nproc 2>/dev/null || echo 2)

bash "$root/scripts/install-deps.sh" all

build() {  # build <dir> <cmake options...>
  local dir=$1
  shift
  cmake -S "$root" -B "$dir" "$@" >/dev/null
  cmake --build "$dir" --parallel "$jobs"
  ctest --test-dir "$dir" --output-on-failure --parallel "$jobs"
}

echo "== Release build and tests"
build "$root/build/release" -DCMAKE_BUILD_TYPE=Release

echo "== Tests under AddressSanitizer and UndefinedBehaviorSanitizer"
build "$root/build/sanitize" -DCMAKE_BUILD_TYPE=Debug -DWAVE_SANITIZE=ON \
  -DWAVE_BUILD_BENCH=OFF

echo "== Fuzzers"
build "$root/build/fuzz" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_CXX_COMPILER=clang++ -DWAVE_BUILD_FUZZERS=ON -DWAVE_SANITIZE=ON \
  -DWAVE_BUILD_WINDOWS=OFF -DWAVE_BUILD_BENCH=OFF

echo "== The Windows program and its tests under Wine"
bash "$root/scripts/build-windows.sh" --test

echo "== All tests passed"
