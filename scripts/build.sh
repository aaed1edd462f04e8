#!/usr/bin/env bash
# Configures and builds into ./build (warnings are errors).
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/compiler-cache.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSORVEL_WERROR=ON "${compiler_cache[@]}" >/dev/null
cmake --build build -j"$(nproc)"
