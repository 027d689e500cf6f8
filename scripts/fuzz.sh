#!/usr/bin/env bash
# Builds the libFuzzer harnesses with clang into build-fuzz/ and runs each one for a bounded
# time from its seed corpus in fuzz/corpus/ (and its dictionary fuzz/NAME.dict, if any),
# FUZZ_JOBS of them at a time (default: one per core), each on one core: FUZZ_SECONDS each
# (default 60), or, with FUZZ_TOTAL_SECONDS, the time that makes all of them take that long
# (CI's budget). A finding is saved in build-fuzz/findings/ and fails the script once every
# harness has run. `scripts/fuzz.sh svg_import -runs=N` runs one harness with libFuzzer options
# of your own.
set -euo pipefail
cd "$(dirname "$0")/.."
# clang alone lacks the fuzzer's runtime library.
scripts/install-deps.sh fuzz
CC=clang-14 CXX=clang++-14 cmake -S . -B build-fuzz -G Ninja -DVEXLIN_FUZZ=ON -DVEXLIN_WERROR=ON \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo >&2
cmake --build build-fuzz -j "$(nproc)" >&2
mkdir -p build-fuzz/findings
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}

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
harnesses=()
for program in build-fuzz/fuzz/*_fuzzer; do
    name=$(basename "$program")
    harnesses+=("${name%_fuzzer}")
done
at_once=${FUZZ_JOBS:-$(nproc)}
seconds=${FUZZ_SECONDS:-60}
if [ -n "${FUZZ_TOTAL_SECONDS:-}" ]; then
    rounds=$(((${#harnesses[@]} + at_once - 1) / at_once))
    seconds=$((FUZZ_TOTAL_SECONDS / rounds))
fi

# Runs one harness into its log; the log's summary, or its end when the harness failed.
bounded() {
    local name=$1
    local log=build-fuzz/$name.log
    if ! run "$name" -max_total_time="$seconds" >"$log" 2>&1; then
        tail -n 60 "$log"
        return 1
    fi
    grep -E '^(=== |Done |stat::number_of_executed_units|stat::new_units_added)' "$log"
}

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
