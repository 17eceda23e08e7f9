#!/bin/bash
# SPDX-License-Identifier: MIT
# Runs every fuzz target for SECONDS seconds, each from a scratch copy of its committed corpus.
# Any crash fails the run; the input that caused it is copied into the committed corpus, where
# the target's corpus test (ctest -L fuzz) replays it from then on. Running out of memory or time
# fails the run too, but such an input is no crash and is not filed. Each line reports the time
# the target really ran.
#
#   fuzz/run.sh SECONDS            (build folder: build-fuzz, or FUZZ_BUILD_DIR)
set -euo pipefail

seconds=${1:?usage: fuzz/run.sh SECONDS}
case $seconds in
'' | *[!0-9]*) echo "SECONDS must be a whole number" >&2; exit 2 ;;
esac
source_dir=$(cd "$(dirname "$0")/.." && pwd)
build_dir=${FUZZ_BUILD_DIR:-$source_dir/build-fuzz}

if [ ! -f "$build_dir/CMakeCache.txt" ]; then
    CC=clang CXX=clang++ cmake -S "$source_dir" -B "$build_dir" -G Ninja \
        -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCUBOMANCER_FUZZ=ON -DCUBOMANCER_WERROR=ON
fi
cmake --build "$build_dir" -j2

scratch=$(mktemp -d "${TMPDIR:-/tmp}/cubomancer-fuzz.XXXXXX")
trap 'rm -rf "$scratch"' EXIT

# AddressSanitizer keeps the allocation stack of every live and recently freed block; over a
# run of minutes that store alone outgrows libFuzzer's memory limit. The fuzzed code needs none.
export ASAN_OPTIONS=${ASAN_OPTIONS:+$ASAN_OPTIONS:}malloc_context_size=0

failed=0
for corpus in "$source_dir"/fuzz/corpus/*/; do
    name=$(basename "$corpus")
    target=$build_dir/fuzz/fuzz_$name
    if [ ! -x "$target" ]; then
        echo "no fuzz target for corpus $name" >&2
        failed=1
        continue
    fi
    work=$scratch/$name
    mkdir -p "$work/corpus" "$work/artefacts"
    cp "$corpus"* "$work/corpus/"
    status=0
    started=$SECONDS
    # Qt wants a platform even where no window is made.
    QT_QPA_PLATFORM=offscreen "$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
        -print_final_stats=1 -artifact_prefix="$work/artefacts/" "$work/corpus" \
        >"$work/log" 2>&1 || status=$?
    ran=$((SECONDS - started))
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$work/log")
    echo "fuzz_$name: ${runs:-?} executions in $ran s of $seconds s, exit status $status"
    if [ "$status" -ne 0 ]; then
        failed=1
        tail -n 40 "$work/log" >&2
        for crash in "$work"/artefacts/*; do
            [ -f "$crash" ] || continue
            case $(basename "$crash") in
            oom-* | timeout-* | slow-unit-*)
                echo "fuzz_$name: $(basename "$crash") is not a crash; not filed" >&2
                continue
                ;;
            esac
            kept=$corpus$(basename "$crash")
            cp "$crash" "$kept"
            echo "kept $kept as a regression input: commit it with the fix" >&2
        done
    fi
done
exit $failed
