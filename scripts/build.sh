#!/usr/bin/env bash
# Configures (once) and builds Varmiko in build/, Release, on all cores.
set -euo pipefail
cd "$(dirname "$0")/.."
if [ ! -f build/CMakeCache.txt ]; then
  cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release
fi
cmake --build build -j "$(nproc)"
