#!/usr/bin/env bash
# The pictures of lathes: for the README, the vase of examples/vase.lat as the editor's canvas
# shows it (its profile, POV-Ray's curve, turned about the dash-dotted axis) beside POV-Ray's
# render of examples/vase-scene.pov, which includes it; for the help, the vase's canvas alone,
# and a lathe and a surface of revolution that break POV-Ray's rules. The same tool and
# POV-Ray give the same bytes at every run.
# Usage: scripts/lathe-pictures.sh [BUILD_DIR]   (the tool must be built; needs povray and
# ImageMagick's convert)
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/tool-work.sh "${1:-build}"

# Joins the pictures side by side into OUT, without the chunks that date it.
join() {
    local out=$1
    shift
    convert "$@" +append -define png:exclude-chunks=date,time "$work/joined.png"
    scripts/png-without-dates.sh <"$work/joined.png" >"$out"
    echo "$out"
}

cp examples/vase.lat examples/vase-scene.pov "$work/"
"$tool" render "$work/vase.lat" "$work/canvas.png" --size 360x360 >/dev/null
(cd "$work" && povray -D +W360 +H360 +A0.3 +Ivase-scene.pov +Orender.png >povray.log 2>&1) || {
    cat "$work/povray.log" >&2
    exit 1
}
join examples/vase-lathe.png "$work/canvas.png" "$work/render.png"
"$tool" render "$work/vase.lat" "$work/vase.png" >/dev/null
join help/lathe-vase.png "$work/vase.png"

# A cubic lathe with a point left of the axis, and a surface of revolution whose height falls.
cat >"$work/broken.lat" <<'END'
#declare Thing=lathe{
//___open___
cubic_spline
7
<0.8,-1.6>
<0.2,-1.6>
<1.2,-0.8>
<-0.4,0.2>
<0.9,0.9>
<0.5,1.6>
<0.6,1.4>
}
END
cat >"$work/broken.sor" <<'END'
#declare Thing=sor{
6
<0.3,-1.8>
<0.9,-1.5>
<1.3,-0.4>
<0.6,-0.8>
<0.8,1.2>
<1.2,1.7>
}
END
"$tool" render "$work/broken.lat" "$work/lathe.png" >/dev/null
"$tool" render "$work/broken.sor" "$work/sor.png" >/dev/null
join help/lathe-rules.png "$work/lathe.png" "$work/sor.png"
