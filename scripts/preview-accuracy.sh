#!/usr/bin/env bash
# How far the canvas's spline previews lie from what POV-Ray renders of the same file: for a
# 5-point star in each spline, and for examples/hand-written-prism.pov imported, every pixel of
# the canvas's curve picture is measured to the nearest edge pixel of POV-Ray's top view (the
# preview window's, framed alike), and the median, 95th percentile and maximum of those
# distances are printed, in pixels.
# Usage: scripts/preview-accuracy.sh [--exact] [--size N] [BUILD_DIR]
#   --exact   the canvas draws POV-Ray's own curves (View > POV-Ray curves) rather than its
#             own construction
#   --size N  pictures of N x N pixels (default 300)
# (vexlin-tool must be built; needs povray and ImageMagick's convert)
set -euo pipefail
cd "$(dirname "$0")/.."
exact=()
side=300
build=build
while [ $# -gt 0 ]; do
    case $1 in
        --exact) exact=(--exact) ;;
        --size) side=$2; shift ;;
        *) build=$1 ;;
    esac
    shift
done
tool=$(realpath "$build/tools/vexlin-tool")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# Qt asks for a runtime folder of its own even offscreen.
export XDG_RUNTIME_DIR="$work"

# "x y" for every pixel of the image that the awk condition on r, g, b selects.
pixels() {
    convert "$1" -depth 8 txt:- | awk -F'[ ,:()]+' -v pick="$2" 'NR > 1 {
        r = $3; g = $4; b = $5
        if ((pick == "black" && r + g + b == 0) || (pick == "filled" && r > 200 && g < 150))
            print $1, $2
    }'
}

for spline in linear quadratic cubic bezier; do
    "$tool" shape "$work/star-$spline.prm" --style star --points 5 --function 0.5 --kind prism \
        --spline "$spline" >/dev/null
done
"$tool" import examples/hand-written-prism.pov "$work/hand-written.prm" >/dev/null 2>&1

printf '%-12s %8s %8s %8s %8s\n' drawing pixels median p95 max
for name in star-linear star-quadratic star-cubic star-bezier hand-written; do
    drawing="$work/$name.prm"
    "$tool" render "$drawing" "$work/canvas.png" --picture curves --size "${side}x$side" \
        "${exact[@]}" >/dev/null
    "$tool" render "$drawing" "$work/povray.png" --picture povray --size "${side}x$side" >/dev/null
    pixels "$work/canvas.png" black >"$work/curve.txt"
    pixels "$work/povray.png" filled >"$work/filled.txt"
    awk '
        FNR == NR { filled[$1 "," $2] = 1; next }
        { curve[++n] = $1 " " $2 }
        END {
            # The edge of the render: filled pixels with an unfilled neighbour.
            for (p in filled) {
                split(p, xy, ",")
                x = xy[1]; y = xy[2]
                if (!((x+1) "," y in filled) || !((x-1) "," y in filled) ||
                    !(x "," (y+1) in filled) || !(x "," (y-1) in filled)) {
                    ex[++m] = x; ey[m] = y
                }
            }
            for (i = 1; i <= n; ++i) {
                split(curve[i], c, " ")
                best = 1e9
                for (j = 1; j <= m; ++j) {
                    d = (c[1] - ex[j]) ^ 2 + (c[2] - ey[j]) ^ 2
                    if (d < best) best = d
                }
                print sqrt(best)
            }
        }' "$work/filled.txt" "$work/curve.txt" | sort -g >"$work/distances.txt"
    awk -v name="$name" '{ d[NR] = $1 } END {
        median = NR % 2 ? d[(NR + 1) / 2] : (d[NR / 2] + d[NR / 2 + 1]) / 2
        p95 = d[int(0.95 * NR + 0.999999)]
        printf "%-12s %8d %8.1f %8.1f %8.1f\n", name, NR, median, p95, d[NR]
    }' "$work/distances.txt"
done
