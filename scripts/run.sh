#!/usr/bin/env bash
# Installs what is missing, builds and starts the editor (with an optional scene file).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
dir=$(scripts/build.sh | tail -n 1)
if [ -x "$dir/app/Vexlin" ]; then
    exec "$dir/app/Vexlin" "$@"
fi
echo "The editor window is not built yet; the command-line tool is: $dir/tools/vexlin-tool"
