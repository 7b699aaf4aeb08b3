#!/usr/bin/env bash
# Runs every fuzz target of a fuzz build for the given number of seconds each,
# one after another. The corpus grows under the build directory; the small
# seed inputs in fuzz/corpus/ are read but never written.
# Exits non-zero when a target finds a fault (the input is kept for replay).
set -uo pipefail

build=${1:?usage: run-fuzzers.sh <fuzz-build-dir> <seconds-per-target>}
seconds=${2:?usage: run-fuzzers.sh <fuzz-build-dir> <seconds-per-target>}
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "$build" && pwd)

shopt -s nullglob
targets=()
for t in "$build"/fuzz/fuzz_*; do
    [[ -f $t && -x $t ]] && targets+=("$t")
done
if [[ ${#targets[@]} -eq 0 ]]; then
    echo "no fuzz targets in $build/fuzz" >&2
    exit 1
fi

export LC_ALL=C.UTF-8
# A smaller quarantine keeps AddressSanitizer's memory flat over long runs, so
# the memory limit below only trips on a real leak.
export ASAN_OPTIONS=${ASAN_OPTIONS:-quarantine_size_mb=64}
status=0
for target in "${targets[@]}"; do
    name=$(basename "$target")
    corpus=$build/fuzz-corpus/$name
    artifacts=$build/fuzz-artifacts/$name
    logfile=$build/fuzz-logs/$name.log
    mkdir -p "$corpus" "$artifacts" "$(dirname "$logfile")"
    seeds=()
    [[ -d $root/fuzz/corpus/$name ]] && seeds=("$root/fuzz/corpus/$name")

    echo "== $name: ${seconds}s"
    "$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=8192 \
        -print_final_stats=1 -artifact_prefix="$artifacts/" \
        "$corpus" "${seeds[@]}" >"$logfile" 2>&1
    rc=$?
    runs=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$logfile" | grep -o '[0-9]*$')
    cov=$(grep -E '^#[0-9]+' "$logfile" | tail -n 1 | grep -o 'cov: [0-9]*' || true)
    if [[ $rc -eq 0 ]]; then
        echo "   ok: ${runs:-?} runs, ${cov:-cov: ?}, corpus $(ls "$corpus" | wc -l) inputs"
    else
        echo "!! $name failed (exit $rc); log: $logfile" >&2
        grep -E 'property broken|ERROR: |SUMMARY|Test unit written' "$logfile" | head -n 10 >&2
        status=1
    fi
done
exit $status
