#!/usr/bin/env bash
# Makes the PNG icons of the desktop (48, 128 and 256 pixels) from packaging/vexlin.svg into
# packaging/icons/SIZExSIZE/vexlin.png, where they are kept in the repository. Run it after a
# change of the SVG. Needs rsvg-convert (Debian package librsvg2-bin).
set -euo pipefail
cd "$(dirname "$0")/.."
command -v rsvg-convert >/dev/null || scripts/install-deps.sh librsvg2-bin
for size in 48 128 256; do
    mkdir -p "packaging/icons/${size}x${size}"
    rsvg-convert --width "$size" --height "$size" --keep-aspect-ratio \
        --output "packaging/icons/${size}x${size}/vexlin.png" packaging/vexlin.svg
done
ls packaging/icons/*/vexlin.png
