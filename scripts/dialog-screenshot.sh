#!/usr/bin/env bash
# Pictures the toolkit under Xvfb and saves one PNG per scene into a folder:
#   toolkit-dialogs.png  a window with its menu, command bar and status bar, a sample dialog with
#                        every static kind, a notice and a question
#   help-window.png      the frame with the help window open beside it
#   help-missing.png     the notice naming where a missing help file was looked for
# Usage: scripts/dialog-screenshot.sh BUILD_DIR OUT_DIR
set -euo pipefail
build=${1:?build directory}
out=${2:?output folder}
mkdir -p "$out"
out=$(cd "$out" && pwd)
xvfb-run -a -s "-screen 0 1280x800x24" env VEXLIN_SHOWCASE_DIR="$out" QT_QPA_PLATFORM=xcb \
    "$build/tests/test_qt" --gtest_filter='Showcase.*' >/dev/null
ls "$out"/*.png
