#!/usr/bin/env bash
# Installs what is missing, checks the folders' layering, builds and runs every test.
# VEXLIN_SANITIZE=1 runs the AddressSanitizer + UndefinedBehaviorSanitizer build instead.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/check-layers.sh --self-check
scripts/check-layers.sh
dir=$(scripts/build.sh | tail -n 1)
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
ctest --test-dir "$dir" --output-on-failure -j "$(nproc)"
