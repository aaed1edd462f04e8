#!/usr/bin/env bash
# Builds one libFuzzer target in ./build-fuzz (clang, address and
# undefined-behaviour sanitizers) and runs it on its seed corpus.
#
#   bash scripts/fuzz.sh fuzz_personfile 1000000
#
# Targets: fuzz_personfile, fuzz_config, fuzz_textstore, fuzz_qr, fuzz_linear,
# fuzz_clientlist, fuzz_clientimport, fuzz_namelist, fuzz_template
# (SORVEL_FUZZ_FULL=1 also draws and rewrites what it accepts).
# Inputs the run finds worth keeping go to build-fuzz/fuzz/corpus/TARGET; a
# crash, a hang (over 10 s), a single allocation over 64 MB or a resident
# size over 512 MB stops the run, saves the input as crash-*, timeout-* or
# oom-* and exits non-zero.
set -euo pipefail
cd "$(dirname "$0")/.."

usage="usage: bash scripts/fuzz.sh TARGET RUNS"
target=${1:?$usage}
runs=${2:?$usage}

if ! command -v clang++ >/dev/null; then
    echo "fuzz.sh: clang++ is missing (Debian: apt-get install clang libclang-rt-14-dev)" >&2
    exit 2
fi
# Plain headers: this clang build with the fuzzer's instrumentation is made
# rarely, one target at a time, and was checked without precompiled headers.
cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
    -DSORVEL_FUZZ=ON -DSORVEL_BENCH=OFF -DSORVEL_PCH=OFF >/dev/null
cmake --build build-fuzz -j2 --target "$target"

seeds=build-fuzz/fuzz/seeds/$target
corpus=build-fuzz/fuzz/corpus/$target
mkdir -p "$seeds" "$corpus"
# The address sanitizer holds freed memory back in a quarantine (256 MB by
# default, and several times that in chunk headers and red zones) and keeps
# a stack trace per allocation; small ones keep the 64 MB limit about the
# code under test rather than the sanitizer's books. For a report with full
# allocation stacks, run a saved input again with the sanitizer's defaults:
#   ASAN_OPTIONS= build-fuzz/fuzz/TARGET build-fuzz/fuzz/crash-...
export ASAN_OPTIONS=${ASAN_OPTIONS:-quarantine_size_mb=1:malloc_context_size=2:detect_leaks=1}
# glibc reads /etc/localtime again at every local-time conversion unless TZ
# is set.
export TZ=${TZ:-UTC}
# The allocation limit is about the code under test: no input may make it ask
# for more than 64 MB at once. The resident size is the whole process's - Qt,
# the sanitizers' shadow memory and their books, some 55 to 65 MB before the
# first input for fuzz_template - so its limit leaves room above that and
# still stops a run whose memory grows without bound.
exec "build-fuzz/fuzz/$target" -runs="$runs" -rss_limit_mb=512 -malloc_limit_mb=64 -timeout=10 \
    -print_final_stats=1 -artifact_prefix="build-fuzz/fuzz/" "$corpus" "$seeds"
