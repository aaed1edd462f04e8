#!/usr/bin/env bash
# Installs what is missing, builds, and runs the whole test suite twice: as
# built for use, and again under the address and undefined-behaviour
# sanitizers (build-asan/, no benchmarks).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup-debian.sh
bash scripts/build.sh
(cd build && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)")

# Light optimisation and line tables only: the sanitizer build compiles in
# a fraction of the time of a full debug build and still reports file and
# line; assertions stay on.
source scripts/compiler-cache.sh
cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG="-O1 -g1" \
    -DSORVEL_WERROR=ON -DSORVEL_SANITIZE=ON -DSORVEL_BENCH=OFF "${compiler_cache[@]}" >/dev/null
cmake --build build-asan -j"$(nproc)"
cd build-asan
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)"
