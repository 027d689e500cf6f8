#!/usr/bin/env bash
# End-to-end check of the POV-Ray preview: the editor shows a cubic star, F5 opens the
# "POV-Ray preview" window, and within a few seconds both of its views must show the star.
# Usage: scripts/preview-screenshot.sh [BUILD_DIR]   (the editor and vexlin-tool must be built;
# the screenshot goes to <BUILD_DIR>/e2e/preview.png)
set -euo pipefail
cd "$(dirname "$0")/.."
dir=$(cd "${1:-build}" && pwd)
source scripts/e2e-common.sh
prepare e2e
"$dir/tools/vexlin-tool" shape "$out/star.prm" --style star --points 5 --function 0.5 \
    --kind prism --spline cubic >/dev/null
start_editor "$out/star.prm"
shot="$out/preview.png"

# Pixels of one half of the preview window in the star's orange, lit or flat.
orange() {
    convert "$shot" -crop "$1" +repage -fuzz 20% -fill black +opaque "rgb(235,105,36)" \
        -fill white -opaque "rgb(235,105,36)" -format "%[fx:round(mean*w*h)]" info:
}

started=$(date +%s%N)
xdotool windowfocus --sync "$frame"
xdotool key F5
preview=$(wait_window '^POV-Ray preview')
for _ in $(seq 40); do
    sleep 0.25
    import -window root "$shot"
    eval "$(xdotool getwindowgeometry --shell "$preview")"
    top=$(orange "$((WIDTH / 2))x${HEIGHT}+${X}+${Y}")
    side=$(orange "$((WIDTH / 2))x${HEIGHT}+$((X + WIDTH / 2))+${Y}")
    if [ "$top" -gt 1000 ] && [ "$side" -gt 1000 ]; then
        break
    fi
done
seconds=$(awk -v ns=$(($(date +%s%N) - started)) 'BEGIN { printf "%.1f", ns / 1e9 }')
echo "$shot: top view $top, three-quarter view $side orange pixels after $seconds s"
if [ "$top" -le 1000 ] || [ "$side" -le 1000 ]; then
    echo "FAILED: the preview does not show both views" >&2
    exit 1
fi

# A click on the canvas begins a new set: the preview renders again and shows what POV-Ray
# says of a prism with an unfinished set.
press 40 300
sleep 3
import -window root "$out/preview-changed.png"
echo "$out/preview-changed.png"
