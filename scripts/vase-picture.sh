#!/usr/bin/env bash
# The README's picture of a lathe: the vase of examples/vase.lat as the editor's canvas shows it
# (its profile, POV-Ray's curve, turned about the dash-dotted axis), beside POV-Ray's render of
# examples/vase-scene.pov, which includes it. The same tool and POV-Ray give the same bytes at
# every run. Usage: scripts/vase-picture.sh [BUILD_DIR] [OUT.png]   (the tool must be built;
# needs povray and ImageMagick's convert)
set -euo pipefail
cd "$(dirname "$0")/.."
tool=$(realpath "${1:-build}/tools/vexlin-tool")
out=$(realpath -m "${2:-examples/vase-lathe.png}")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# Qt asks for a runtime folder of its own even offscreen.
export XDG_RUNTIME_DIR="$work"
cp examples/vase.lat examples/vase-scene.pov "$work/"
"$tool" render "$work/vase.lat" "$work/canvas.png" --size 360x360 >/dev/null
(cd "$work" && povray -D +W360 +H360 +A0.3 +Ivase-scene.pov +Orender.png >povray.log 2>&1) || {
    cat "$work/povray.log" >&2
    exit 1
}
convert "$work/canvas.png" "$work/render.png" +append -define png:exclude-chunks=date,time \
    "$work/both.png"
scripts/png-without-dates.sh <"$work/both.png" >"$work/kept.png"
mv "$work/kept.png" "$out"
echo "$out"
