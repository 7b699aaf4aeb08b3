#!/usr/bin/env bash
# Starts the built program, with example search engines beside it on a first run.
set -euo pipefail
build=${1:-build}
if [[ ! -f "$build/Tamrin.ini" ]]; then
    cp "$(dirname "$0")/../resources/example/Tamrin.ini" "$build/Tamrin.ini"
fi
exec "$build/Tamrin"
