#!/bin/bash
# Runs every fuzz target for a bounded time each, seeded from its corpus.
#   run-fuzzers.sh BUILD_DIR SECONDS
set -euo pipefail
build=$1
seconds=$2
shopt -s nullglob
targets=("$build"/fuzz/fuzz_*)
if [ ${#targets[@]} -eq 0 ]; then
    echo "No fuzz targets built."
    exit 0
fi
for target in "${targets[@]}"; do
    [ -x "$target" ] || continue
    name=$(basename "$target")
    work="$build/fuzz/work/$name"
    mkdir -p "$work/corpus"
    seeds=("$build/fuzz/seeds/$name")
    [ -d "${seeds[0]}" ] || seeds=()
    echo "== $name for ${seconds}s"
    "$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
        -artifact_prefix="$work/" "$work/corpus" "${seeds[@]}" 2>"$work/log.txt" \
        || { tail -n 40 "$work/log.txt"; echo "$name found a crash; input in $work" >&2; exit 1; }
    grep -E '^Done|#[0-9]+.*DONE' "$work/log.txt" | tail -n 1 || true
done
