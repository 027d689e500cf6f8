#!/usr/bin/env bash
# Starts the editor on a virtual X display with a drawing and saves a picture of the whole display.
# Usage: scripts/screenshot.sh DRAWING OUT.png [BUILD_DIR]   (the editor must be built)
set -euo pipefail
cd "$(dirname "$0")/.."
drawing=$(realpath "${1:?drawing file}")
out=$(realpath -m "${2:?output PNG}")
dir=$(realpath "${3:-build}")
source scripts/e2e-common.sh
need_editor
need_display "$drawing" "$out" "$dir"
start_editor "$drawing"
sleep "${SCREENSHOT_WAIT:-1}"
import -window root "$out"
echo "$out"
