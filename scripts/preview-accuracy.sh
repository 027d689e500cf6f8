#!/usr/bin/env bash
# How far the canvas's curves lie from what POV-Ray renders of the same file: for a 5-point star
# in each spline, for examples/hand-written-prism.pov imported, and for a lathe of each spline
# and a surface of revolution, every pixel of the canvas's curve picture is measured to the
# nearest edge pixel of POV-Ray's face-on view (the preview window's, framed alike: straight
# down for a prism, from the front for a lathe or surface of revolution, whose profile is the
# right edge of its silhouette), and the median, 95th percentile and maximum of those distances
# are printed, in pixels. A lathe's or surface of revolution's curves are always POV-Ray's own.
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
source scripts/tool-work.sh "$build"

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
# Profiles whose every point lies on the silhouette: the height rises along each.
cat >"$work/profiles.pov" <<'EOF'
#declare LatheLinear = lathe { 5, <0.3,-1.8> <1.2,-1.2> <0.5,0.1> <0.7,1.1> <1.6,1.9> }
#declare LatheQuadratic = lathe { quadratic_spline 6,
    <0.1,-2.1> <0.4,-1.8> <1.4,-1> <0.6,0.2> <0.9,1.1> <1.7,1.8> }
#declare LatheCubic = lathe { cubic_spline 7,
    <1.5,-2.4> <0.4,-1.8> <1.5,-1> <0.5,0.3> <0.8,1.2> <1.6,1.8> <0.2,2.6> }
#declare LatheBezier = lathe { bezier_spline 8,
    <0.3,-1.9> <1.9,-1.6> <1.4,-0.4> <0.6,0> <0.6,0> <0.1,0.4> <0.4,0.8> <1.1,1.5> }
#declare Sor = sor { 7, <0.2,-2.4> <0.9,-1.8> <1.5,-1> <0.5,0.2> <0.7,1> <1.5,1.8> <1.2,2.6> }
EOF
drawings=()
for name in LatheLinear LatheQuadratic LatheCubic LatheBezier Sor; do
    extension=.lat
    [ "$name" = Sor ] && extension=.sor
    "$tool" import "$work/profiles.pov" "$work/$name$extension" --name "$name" >/dev/null 2>&1
    drawings+=("$work/$name$extension")
done

printf '%-16s %8s %8s %8s %8s\n' drawing pixels median p95 max
for drawing in "$work"/star-{linear,quadratic,cubic,bezier}.prm "$work/hand-written.prm" \
    "${drawings[@]}"; do
    name=$(basename "${drawing%.*}")
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
        printf "%-16s %8d %8.1f %8.1f %8.1f\n", name, NR, median, p95, d[NR]
    }' "$work/distances.txt"
done
