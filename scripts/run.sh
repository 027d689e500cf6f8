#!/usr/bin/env bash
# Installs what is missing, builds the editor (with its help and pictures, nothing else: the
# tests and benchmarks are scripts/test.sh's) and starts it, with an optional scene file. The
# build runs in the repository, the editor in the caller's folder, so a relative file name names
# the same file as where it was typed.
set -euo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)
"$repo/scripts/install-deps.sh"
echo "Building the editor in $repo/build on $(nproc) cores; it starts when the build is done." >&2
dir=$(cd "$repo" && scripts/build.sh Vexlin | tail -n 1)
exec "$repo/$dir/app/Vexlin" "$@"
