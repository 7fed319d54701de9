#!/bin/sh
# Runs the names fuzzer for a while: run-fuzz.sh <fuzz-build-dir> <seconds> [libFuzzer args]
# The corpus grows in <fuzz-build-dir>/corpus; a finding is written there as crash-* and fails.
set -e
build=$(cd "$1" && pwd)
seconds=$2
shift 2
mkdir -p "$build/corpus"
cd "$build"
exec ./names_fuzzer -max_total_time="$seconds" -print_final_stats=1 -timeout=10 \
    -rss_limit_mb=2048 -artifact_prefix="$build/" "$@" "$build/corpus"
