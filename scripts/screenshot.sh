#!/usr/bin/env bash
# Starts the editor on a virtual X display with a drawing and saves a picture of the whole display.
# Usage: scripts/screenshot.sh DRAWING OUT.png [BUILD_DIR]   (the editor must be built)
set -euo pipefail
cd "$(dirname "$0")/.."
drawing=$(realpath "${1:?drawing file}")
out=$(realpath -m "${2:?output PNG}")
editor=$(realpath "${3:-build}/app/Vexlin")
wait_seconds=${SCREENSHOT_WAIT:-3}
xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
    "$1" "$2" &
    pid=$!
    sleep "$4"
    import -window root "$3"
    kill "$pid"
    wait "$pid" 2>/dev/null || true
' screenshot "$editor" "$drawing" "$out" "$wait_seconds"
echo "$out"
