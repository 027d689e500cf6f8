#!/usr/bin/env bash
# End-to-end check of Add Point in the running editor: three left clicks add the points of a
# triangle and a right click closes it; a screenshot must show the closed outline in black.
# Usage: scripts/e2e-add-point.sh [build-dir]   (screenshots go to <build-dir>/e2e/)
set -euo pipefail
cd "$(dirname "$0")/.."
dir=$(cd "${1:-build}" && pwd)
exe="$dir/app/Vexlin"
out="$dir/e2e"
if [ ! -x "$exe" ]; then
    echo "e2e-add-point: no editor at $exe" >&2
    exit 1
fi
if [ -z "${DISPLAY:-}" ]; then
    exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$dir"
fi
mkdir -p "$out"

"$exe" &
pid=$!
trap 'kill "$pid" 2>/dev/null || true' EXIT
for _ in $(seq 50); do
    xdotool search --onlyvisible --pid "$pid" >/dev/null 2>&1 && break
    sleep 0.2
done
sleep 1

# Red, green and blue of one screen pixel, as "r,g,b".
pixel() {
    convert "$1" -format \
        "%[fx:round(255*p{$2,$3}.r)],%[fx:round(255*p{$2,$3}.g)],%[fx:round(255*p{$2,$3}.b)]" info:
}

# The canvas is found by its grid: the grid lines span the whole canvas and nothing else on
# the screen has their colour, so their bounding box is the canvas and its centre the origin.
import -window root "$out/before.png"
box=$(convert "$out/before.png" -fill black +opaque "rgb(220,220,230)" \
    -fill white -opaque "rgb(220,220,230)" -format "%@" info:)
if [[ ! "$box" =~ ^([0-9]+)x([0-9]+)\+([0-9]+)\+([0-9]+)$ ]]; then
    echo "e2e-add-point: no canvas grid on the screen ($box)" >&2
    exit 1
fi
ox=$((BASH_REMATCH[3] + BASH_REMATCH[1] / 2))
oy=$((BASH_REMATCH[4] + BASH_REMATCH[2] / 2))
echo "canvas ${BASH_REMATCH[1]}x${BASH_REMATCH[2]} at ${BASH_REMATCH[3]},${BASH_REMATCH[4]}; origin $ox,$oy"

click() {
    xdotool mousemove "$((ox + $1))" "$((oy + $2))"
    sleep 0.2
    xdotool click "$3"
    sleep 0.3
}
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

status=0
check() {
    local shot=$1 x=$((ox + $2)) y=$((oy + $3)) want=$4 what=$5
    local got
    got=$(pixel "$shot" "$x" "$y")
    if [ "$got" = "$want" ]; then
        echo "ok: $what ($x,$y) is $got"
    else
        echo "FAILED: $what ($x,$y) is $got, expected $want" >&2
        status=1
    fi
}
check "$out/before.png" "${side[@]}" "255,255,255" "empty canvas"
check "$out/open.png" "${side[@]}" "0,0,0" "first side of the open set"
check "$out/open.png" "${closing[@]}" "255,255,255" "closing side before the right click"
check "$out/closed.png" "${side[@]}" "0,0,0" "first side of the closed set"
check "$out/closed.png" "${closing[@]}" "0,0,0" "closing side after the right click"
exit $status
