#!/usr/bin/env bash
# Makes the help's pictures of the two curve constructions (a 5-point star in quadratic and in
# cubic spline, as set:1 shows it with Vexlin's own construction and with POV-Ray's curves,
# View > POV-Ray curves) and of a text set tight enough for its letters to be united, into
# help/. Run after changing how curves are drawn, and commit the
# pictures. Usage: scripts/help-pictures.sh [BUILD_DIR]   (vexlin-tool must be built)
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/tool-work.sh "${1:-build}"
export QT_QPA_PLATFORM=offscreen
for spline in quadratic cubic; do
    "$tool" shape "$work/star.prm" --style star --points 5 --function 0.5 --kind prism \
        --spline "$spline" >/dev/null
    "$tool" render "$work/star.prm" "help/spline-$spline-own.png" --picture set:1 \
        --size 200x200 --zoom 1.6 >/dev/null
    "$tool" render "$work/star.prm" "help/spline-$spline-povray.png" --picture set:1 --exact \
        --size 200x200 --zoom 1.6 >/dev/null
done
"$tool" text "Vexlin" "$work/text.prm" --font "DejaVu Sans" --size 0.8 --spacing -0.06 >/dev/null
"$tool" render "$work/text.prm" help/text-united.png --picture curves --size 320x120 \
    --keep-proportions --zoom 4.2 --centre 0.97,0.3 >/dev/null
echo "help/spline-*.png help/text-united.png"
