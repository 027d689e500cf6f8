#!/usr/bin/env bash
# Pictures the toolkit under Xvfb: scripts/dialog-screenshot.sh BUILD_DIR OUT.png
#   OUT.png              a window with its menu bar, command bar and status bar beside a sample
#                        dialog with every static kind, a notice and a question
# and beside OUT.png:
#   help-window.png      the frame with the help window open beside it
#   help-missing.png     the notice naming where a missing help file was looked for
set -euo pipefail
build=$(realpath "${1:?build directory}")
out=$(realpath -m "${2:?output png}")
folder=$(dirname "$out")
mkdir -p "$folder"
shots=$(mktemp -d)
trap 'rm -rf "$shots"' EXIT
xvfb-run -a -s "-screen 0 1280x800x24" env VEXLIN_SHOWCASE_DIR="$shots" QT_QPA_PLATFORM=xcb \
    "$build/tests/test_qt" --gtest_filter='Showcase.*' >/dev/null
mv "$shots/toolkit-dialogs.png" "$out"
mv "$shots/help-window.png" "$shots/help-missing.png" "$folder/"
ls "$out" "$folder/help-window.png" "$folder/help-missing.png"
