#!/usr/bin/env bash
# Builds the Windows programs and runs the measurements under Wine.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/setup.sh
source scripts/wine-session.sh

install_missing_packages
build="$PWD/build/win64"
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DKL_BUILD_BENCH=ON \
  -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake >/dev/null
cmake --build "$build" --target kl_bench
start_wine_session "$build"
wine "$build/bin/kl_bench.exe"
