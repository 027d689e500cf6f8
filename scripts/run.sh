#!/usr/bin/env bash
# Installs what is missing, builds and starts the editor (with an optional scene file). The
# build runs in the repository, the editor in the caller's folder, so a relative file name
# names the same file as where it was typed.
set -euo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)
"$repo/scripts/install-deps.sh"
dir=$(cd "$repo" && scripts/build.sh | tail -n 1)
if [ -x "$repo/$dir/app/Vexlin" ]; then
    exec "$repo/$dir/app/Vexlin" "$@"
fi
echo "The editor was not built (Qt 6 missing?); the command-line tool is: $repo/$dir/tools/vexlin-tool" >&2
exit 1
