#!/usr/bin/env bash
# Configures and builds into build/ (or build-asan/ with VEXLIN_SANITIZE=1).
set -euo pipefail
cd "$(dirname "$0")/.."
if [ "${VEXLIN_SANITIZE:-0}" = 1 ]; then
    dir=build-asan
    extra=(-DVEXLIN_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug)
else
    dir=build
    extra=()
fi
cmake -S . -B "$dir" -G Ninja "${extra[@]}" >&2
cmake --build "$dir" -j "$(nproc)" >&2
echo "$dir"
