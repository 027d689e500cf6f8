#!/usr/bin/env bash
# End-to-end check of Add Point in the running editor: three left clicks add the points of a
# triangle and a right click closes it; a screenshot must show the closed outline in black.
# Usage: scripts/e2e-add-point.sh [build-dir]   (screenshots go to <build-dir>/e2e/)
set -euo pipefail
cd "$(dirname "$0")/.."
dir=$(cd "${1:-build}" && pwd)
source scripts/e2e-common.sh
prepare e2e
start_editor
import -window root "$out/before.png"
find_canvas "$out/before.png"

click -70 -50 1
click 50 -50 1
click -10 70 1
# Midpoints of the first side and of the closing side (exact pixels of both lines).
side=(-10 -50)
closing=(-40 10)
import -window root "$out/open.png"
click 20 20 3
sleep 0.5
import -window root "$out/closed.png"

check "$out/before.png" "${side[@]}" "255,255,255" "empty canvas"
check "$out/open.png" "${side[@]}" "0,0,0" "first side of the open set"
check "$out/open.png" "${closing[@]}" "255,255,255" "closing side before the right click"
check "$out/closed.png" "${side[@]}" "0,0,0" "first side of the closed set"
check "$out/closed.png" "${closing[@]}" "0,0,0" "closing side after the right click"
exit $status
