#!/usr/bin/env bash
# Shows a sample dialog, a drop-down menu, a command bar and a status bar under Xvfb and saves
# a screenshot of the whole screen: scripts/dialog-screenshot.sh BUILD_DIR OUT.png
set -euo pipefail
build=${1:?build directory}
out=${2:?output png}
xvfb-run -a -s "-screen 0 1024x700x24" bash -c "
    VEXLIN_SHOWCASE_SECONDS=4 QT_QPA_PLATFORM=xcb '$build/tests/test_qt' \
        --gtest_filter='Showcase.*' >/dev/null &
    sleep 3
    import -window root '$out'
    wait
"
echo "$out"
