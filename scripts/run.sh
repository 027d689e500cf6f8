#!/usr/bin/env bash
# Installs what is missing, builds and starts the editor (with an optional scene file). The
# build runs in the repository, the editor in the caller's folder, so a relative file name
# names the same file as where it was typed.
set -euo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)
"$repo/scripts/install-deps.sh"
dir=$(cd "$repo" && scripts/build.sh | tail -n 1)
exec "$repo/$dir/app/Vexlin" "$@"
