#!/usr/bin/env bash
# Configures and builds into build/ (or build-asan/ with VEXLIN_SANITIZE=1), warnings being
# errors: the developers' and CI's builds keep the code free of them. Arguments name the targets
# to build (the editor alone is `Vexlin`); with none, everything is built.
set -euo pipefail
cd "$(dirname "$0")/.."
if [ "${VEXLIN_SANITIZE:-0}" = 1 ]; then
    dir=build-asan
    extra=(-DVEXLIN_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug)
else
    dir=build
    extra=()
fi
targets=()
for target in "$@"; do
    targets+=(--target "$target")
done
cmake -S . -B "$dir" -G Ninja -DVEXLIN_WERROR=ON "${extra[@]}" >&2
cmake --build "$dir" -j "$(nproc)" "${targets[@]}" >&2
echo "$dir"
