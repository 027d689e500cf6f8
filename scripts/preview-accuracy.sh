#!/usr/bin/env bash
# How far the canvas's spline previews lie from what POV-Ray renders of the same file: for a
# 5-point star in each spline, every pixel of the canvas's curve picture (300 x 300) is measured
# to the nearest edge pixel of POV-Ray's top view (the preview window's, framed alike), and the
# median, 95th percentile and maximum of those distances are printed, in pixels.
# Usage: scripts/preview-accuracy.sh [BUILD_DIR]   (vexlin-tool must be built; needs povray and
# ImageMagick's convert)
set -euo pipefail
cd "$(dirname "$0")/.."
tool=$(realpath "${1:-build}/tools/vexlin-tool")
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

printf '%-10s %8s %8s %8s %8s\n' spline pixels median p95 max
for spline in linear quadratic cubic bezier; do
    star="$work/star-$spline.prm"
    "$tool" shape "$star" --style star --points 5 --function 0.5 --kind prism \
        --spline "$spline" >/dev/null
    "$tool" render "$star" "$work/canvas.png" --picture curves >/dev/null
    "$tool" render "$star" "$work/povray.png" --picture povray >/dev/null
    pixels "$work/canvas.png" black >"$work/curve.txt"
    pixels "$work/povray.png" filled >"$work/filled.txt"
    awk -v name="$spline" '
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
    awk -v name="$spline" '{ d[NR] = $1 } END {
        median = NR % 2 ? d[(NR + 1) / 2] : (d[NR / 2] + d[NR / 2 + 1]) / 2
        p95 = d[int(0.95 * NR + 0.999999)]
        printf "%-10s %8d %8.1f %8.1f %8.1f\n", name, NR, median, p95, d[NR]
    }' "$work/distances.txt"
done
