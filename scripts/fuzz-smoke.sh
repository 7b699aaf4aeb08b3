#!/usr/bin/env bash
# A short run of every fuzz target, so the tests notice when one stops building
# or starts failing: builds the targets with clang in <build-dir> and runs each
# for <seconds>. Exits 77 (skipped) when clang is not installed.
set -euo pipefail

source_dir=${1:?usage: fuzz-smoke.sh <source-dir> <build-dir> <seconds>}
build=${2:?usage: fuzz-smoke.sh <source-dir> <build-dir> <seconds>}
seconds=${3:?usage: fuzz-smoke.sh <source-dir> <build-dir> <seconds>}

if ! command -v clang++ >/dev/null 2>&1; then
    echo "clang++ not installed: fuzz smoke run skipped"
    exit 77
fi

if [[ ! -f $build/CMakeCache.txt ]]; then
    CC=clang CXX=clang++ cmake -S "$source_dir" -B "$build" -G Ninja \
        -DSORVANTA_BUILD_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
fi
cmake --build "$build" -j2
exec "$source_dir/scripts/run-fuzzers.sh" "$build" "$seconds"
