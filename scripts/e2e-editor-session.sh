#!/usr/bin/env bash
# End-to-end session in the running editor: draws two sets, switches to prism, picks the cubic
# spline in "Prm Values", saves through the file dialog, quits, starts again, opens the file
# through the file dialog and checks that it shows the same drawing, which saved again under
# another name gives the same bytes. When the build directory is the repository's build/, the
# README's command scripts/run.sh, started in the drawing's folder with the drawing's bare name,
# must show it as well.
# Usage: scripts/e2e-editor-session.sh [build-dir]   (screenshots go to <build-dir>/e2e-session/)
set -euo pipefail
cd "$(dirname "$0")/.."
dir=$(cd "${1:-build}" && pwd)
source scripts/e2e-common.sh
prepare e2e-session

# Places in the frame, from its top-left corner, as the toolkit lays them out; the menus by
# their number and the number of their item.
prism_values=(307 33)
file_menu=0
type_menu=6
prism_item=0
save=2
open=1
save_as=3
quit=5
# In the prism values dialog, from its top-left corner.
cubic=(13 119)
ok=(190 172)

# Clicks a place in a dialog window, from its top-left corner.
in_window() {
    local WINDOW X Y WIDTH HEIGHT SCREEN
    eval "$(xdotool getwindowgeometry --shell "$1")"
    xdotool mousemove "$((X + $2))" "$((Y + $3))" click 1
    sleep 0.3
}
# Types a name into a file dialog, whose name field has the focus, over the name it offers, and
# accepts it.
file_dialog() {
    local window
    window=$(wait_window "$1")
    xdotool windowfocus --sync "$window"
    xdotool key ctrl+a
    xdotool type --delay 20 "$2"
    xdotool key Return
    sleep 1
}
# Three corners, a click each, and a right click that closes the set.
draw_set() {
    click "$1" "$2" 1
    click "$3" "$4" 1
    click "$5" "$6" 1
    click "$5" "$6" 3
}
expect_info() {
    if grep -qx "$2" <<<"$1"; then
        echo "ok: $2"
    else
        echo "FAILED: the file read back has no \"$2\"" >&2
        status=1
    fi
}

left=(-100 -50 -20 -50 -60 30)
right=(20 -20 100 -20 60 60)

start_editor
import -window root "$out/start.png"
find_canvas "$out/start.png"
draw_set "${left[@]}"
draw_set "${right[@]}"
choose "$type_menu" "$prism_item"
press "${prism_values[@]}"
values=$(wait_window 'Prizm Values')
import -window root "$out/prism-values.png"
in_window "$values" "${cubic[@]}"
in_window "$values" "${ok[@]}"
choose "$file_menu" "$save"
file_dialog '^Save As$' session
import -window root "$out/saved.png"
if [ ! -f "$work/session.prm" ]; then
    echo "FAILED: no session.prm was saved" >&2
    exit 1
fi
info=$("$dir/tools/vexlin-tool" info "$work/session.prm")
for line in "kind: prism" "spline: cubic" "sets: 2" "points: 8"; do
    expect_info "$info" "$line"
done
choose "$file_menu" "$quit"
wait "$pid" || true
pid=

start_editor
choose "$file_menu" "$open"
file_dialog 'Open Pol/Prm File' session.prm
import -window root "$out/reopened.png"
find_canvas "$out/reopened.png"
for shot in saved reopened; do
    for i in 0 2 4; do
        check "$out/$shot.png" "${left[i]}" "${left[i + 1]}" "0,0,0" "$shot: corner of the left set"
        check "$out/$shot.png" "${right[i]}" "${right[i + 1]}" "0,0,0" "$shot: corner of the right set"
    done
done
choose "$file_menu" "$save_as"
file_dialog '^Save As$' again
if cmp -s "$work/session.prm" "$work/again.prm"; then
    echo "ok: saved again, the same bytes"
else
    echo "FAILED: the drawing read back saves differently:" >&2
    diff "$work/session.prm" "$work/again.prm" >&2 || true
    status=1
fi
stop_editor

repo=$(pwd)
if [ "$dir" = "$repo/build" ]; then
    (cd "$work" && exec "$repo/scripts/run.sh" session.prm) >"$out/run.log" 2>&1 &
    pid=$!
    wait_window '^Quorvane$' 300 >/dev/null
    # Without a settings file beside the build's editor, a notice comes first.
    if notice=$(wait_window '^Notice$' 2 2>/dev/null); then
        xdotool windowfocus --sync "$notice" key Return
    fi
    sleep 1
    import -window root "$out/run-sh.png"
    find_canvas "$out/run-sh.png"
    check "$out/run-sh.png" "${left[0]}" "${left[1]}" "0,0,0" "run.sh: corner of the left set"
    check "$out/run-sh.png" "${right[2]}" "${right[3]}" "0,0,0" "run.sh: corner of the right set"
fi
exit $status
