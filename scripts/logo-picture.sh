#!/usr/bin/env bash
# Turns the sample logo into a prism with vexlin-tool and renders it with POV-Ray: the picture
# in the README. The same tool and POV-Ray give the same bytes at every run: POV-Ray's stamp of
# the time it rendered is left out, so the picture in the repository changes only when the logo,
# the scene or the tool do. Usage: scripts/logo-picture.sh [BUILD_DIR] [OUT.png]   (the tool
# must be built)
set -euo pipefail
cd "$(dirname "$0")/.."
tool=$(realpath "${1:-build}/tools/vexlin-tool")
out=$(realpath -m "${2:-examples/vexlin-logo-prism.png}")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$tool" import examples/vexlin-logo.svg "$work/vexlin-logo.prm" --fit --end 0.35 >/dev/null
cp examples/logo-scene.pov "$work/"
(cd "$work" && povray -D +W480 +H300 +A0.3 +Ilogo-scene.pov +Ologo.png >povray.log 2>&1) || {
    cat "$work/povray.log" >&2
    exit 1
}
scripts/png-without-dates.sh <"$work/logo.png" >"$work/kept.png"
mv "$work/kept.png" "$out"
echo "$out"
