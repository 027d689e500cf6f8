#!/usr/bin/env bash
# Shows the prism values, shapes and remarks dialogs under Xvfb and saves one picture of each
# into a folder: scripts/program-dialogs-screenshot.sh BUILD_DIR OUT_DIR
set -euo pipefail
build=$(realpath "${1:?build directory}")
out=$(realpath -m "${2:?output folder}")
mkdir -p "$out"
xvfb-run -a -s "-screen 0 1024x700x24" env QT_QPA_PLATFORM=xcb VEXLIN_DIALOG_SHOTS="$out" \
    "$build/tests/test_dialogs" --gtest_filter='DialogFixture.ScreenshotsOfTheProgramDialogs' \
    >/dev/null
ls "$out"/prism-values.png "$out"/shapes.png "$out"/remarks.png
