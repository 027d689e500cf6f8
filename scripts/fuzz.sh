#!/usr/bin/env bash
# Builds the libFuzzer harnesses with clang into build-fuzz/ and runs each one for a bounded
# time from its seed corpus in fuzz/corpus/: FUZZ_SECONDS each (default 60), or, with
# FUZZ_TOTAL_SECONDS, that time shared out among however many harnesses there are (CI's budget).
# A finding stops the script with the input saved in build-fuzz/findings/.
# `scripts/fuzz.sh scene_reader -runs=N` runs one harness with libFuzzer options of your own.
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
    mkdir -p "$scratch"
    echo "=== fuzzing $name $* ==="
    "build-fuzz/fuzz/${name}_fuzzer" -artifact_prefix=build-fuzz/findings/"$name"- \
        -print_final_stats=1 "$@" "$scratch" "fuzz/corpus/$name"
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
seconds=${FUZZ_SECONDS:-60}
if [ -n "${FUZZ_TOTAL_SECONDS:-}" ]; then
    seconds=$((FUZZ_TOTAL_SECONDS / ${#harnesses[@]}))
fi
for name in "${harnesses[@]}"; do
    log=build-fuzz/$name.log
    if ! run "$name" -max_total_time="$seconds" >"$log" 2>&1; then
        tail -n 60 "$log"
        exit 1
    fi
    grep -E '^(=== |Done |stat::number_of_executed_units|stat::new_units_added)' "$log"
done
