#!/usr/bin/env bash
# End-to-end check of undo in the running editor: a triangle is drawn with clicks, "Clear"
# empties the canvas, Ctrl+Z must bring the triangle back on the screen and Ctrl+Y take it away
# again.
# Usage: scripts/e2e-undo.sh [build-dir]   (screenshots go to <build-dir>/e2e-undo/)
set -euo pipefail
cd "$(dirname "$0")/.."
dir=$(cd "${1:-build}" && pwd)
source scripts/e2e-common.sh
prepare e2e-undo

# The "Clear" button, from the frame's top-left corner.
clear_button=(25 33)

start_editor
import -window root "$out/start.png"
find_canvas "$out/start.png"

click -70 -50 1
click 50 -50 1
click -10 70 1
click 20 20 3
sleep 0.5
import -window root "$out/drawn.png"
press "${clear_button[@]}"
import -window root "$out/cleared.png"
xdotool key ctrl+z
sleep 0.5
import -window root "$out/undone.png"
xdotool key ctrl+y
sleep 0.5
import -window root "$out/redone.png"

# Midpoints of the first side and of the closing side (exact pixels of both lines).
for place in "-10 -50 first side" "-40 10 closing side"; do
    read -r x y what <<<"$place"
    check "$out/drawn.png" "$x" "$y" "0,0,0" "$what drawn"
    check "$out/cleared.png" "$x" "$y" "255,255,255" "$what cleared"
    check "$out/undone.png" "$x" "$y" "0,0,0" "$what back after Ctrl+Z"
    check "$out/redone.png" "$x" "$y" "255,255,255" "$what gone again after Ctrl+Y"
done
exit $status
