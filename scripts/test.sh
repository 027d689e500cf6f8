#!/usr/bin/env bash
# Installs what is missing, checks the folders' layering, builds and runs every test.
# VEXLIN_SANITIZE=1 runs the AddressSanitizer + UndefinedBehaviorSanitizer build instead.
# Arguments go to ctest: `scripts/test.sh -L fast` runs the quick set of the edit loop.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/check-layers.sh --self-check
scripts/check-layers.sh
dir=$(scripts/build.sh | tail -n 1)
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
log=$(mktemp)
trap 'rm -f "$log"' EXIT
ctest --test-dir "$dir" --output-on-failure -j "$(nproc)" "$@" | tee "$log"
# CI's machine has POV-Ray, the super-user and a disk to mount: a skip there hides a test.
if [ "${CI:-}" = true ] && grep -q '(Skipped)' "$log"; then
    echo "A test was skipped that CI's machine should run (see the list above)." >&2
    exit 1
fi
