#!/bin/bash
# Runs every benchmark program with repetitions and prints the medians.
#   run-benchmarks.sh BUILD_DIR
set -euo pipefail
build=$1
shopt -s nullglob
for program in "$build"/bench/bench_*; do
    [ -x "$program" ] || continue
    echo "== $(basename "$program")"
    "$program" --benchmark_repetitions=9 --benchmark_report_aggregates_only=true \
        --benchmark_display_aggregates_only=true
done
