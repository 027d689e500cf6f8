#!/usr/bin/env bash
# Builds the libFuzzer harnesses with clang into build-fuzz/ and runs each one for a bounded
# time (FUZZ_SECONDS, default 60) from its seed corpus in fuzz/corpus/, FUZZ_JOBS (default: one
# per core) at a time, each on one core. A finding stops the script with the input saved in
# build-fuzz/findings/. `scripts/fuzz.sh svg_import -runs=N` runs one harness with libFuzzer
# options of your own instead.
set -euo pipefail
cd "$(dirname "$0")/.."
# clang alone lacks the fuzzer's runtime library.
scripts/install-deps.sh cmake ninja-build clang-14 libclang-rt-14-dev
CC=clang-14 CXX=clang++-14 cmake -S . -B build-fuzz -G Ninja -DVEXLIN_FUZZ=ON -DVEXLIN_WERROR=ON \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo >&2
cmake --build build-fuzz -j "$(nproc)" >&2
mkdir -p build-fuzz/findings
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
harnesses=(scene_reader settings argument_list svg_import pov_import svg_path_data export_svg
    preview_sketch)

# New inputs go to a scratch corpus; the committed seeds are only read.
run() {
    local name=$1
    shift
    local scratch=build-fuzz/corpus/$name
    local dictionary=()
    if [ -f "fuzz/$name.dict" ]; then
        dictionary=(-dict="fuzz/$name.dict")
    fi
    mkdir -p "$scratch"
    echo "=== fuzzing $name $* ==="
    "build-fuzz/fuzz/${name}_fuzzer" -artifact_prefix=build-fuzz/findings/"$name"- \
        -print_final_stats=1 "${dictionary[@]}" "$@" "$scratch" "fuzz/corpus/$name/"
}

if [ $# -gt 0 ]; then
    run "$@"
    exit
fi

# Runs one harness into its log; the log's summary, or its end when the harness failed.
bounded() {
    local name=$1
    local log=build-fuzz/$name.log
    if ! run "$name" -max_total_time="${FUZZ_SECONDS:-60}" >"$log" 2>&1; then
        tail -n 60 "$log"
        return 1
    fi
    grep -E '^(=== |Done |stat::number_of_executed_units|stat::new_units_added)' "$log"
}

at_once=${FUZZ_JOBS:-$(nproc)}
started=()
for name in "${harnesses[@]}"; do
    while [ "$(jobs -rp | wc -l)" -ge "$at_once" ]; do
        sleep 1
    done
    bounded "$name" &
    started+=($!)
done
failed=0
for pid in "${started[@]}"; do
    wait "$pid" || failed=1
done
exit "$failed"
