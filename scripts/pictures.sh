#!/usr/bin/env bash
# Pictures to look at, one PNG each, made on a virtual X display:
#   toolkit-dialogs, help-window, help-missing   the toolkit: a window with its menu bar,
#       command bar and status bar beside a sample dialog of every static kind, a notice and a
#       question; the help window; the notice for a missing help file
#   prism-values, shapes, remarks, background   the program's dialogs as a fresh window opens
#       them
#   main-window, menu-*, dialog-*, help   the editor with a triangle drawn with the mouse, each
#       drop-down of its menu bar, the triangle zoomed with the snap grid, each dialog it opens
#       and its help window; given a DRAWING,
#       main-window alone, the editor showing that drawing
#   traced, traced-table, traced-zoomed   a star traced over a sketch shown at 40 %, then its
#       point table beside the editor, then the view zoomed in with the sketch
# Usage: scripts/pictures.sh [BUILD_DIR] [OUT_DIR] [DRAWING]
#        (default BUILD_DIR build, OUT_DIR BUILD_DIR/pictures; the build must be done)
set -euo pipefail
cd "$(dirname "$0")/.."
dir=$(cd "${1:-build}" && pwd)
out=$(realpath -m "${2:-$dir/pictures}")
drawing=${3:+$(realpath "$3")}
source scripts/e2e-common.sh
need_editor
need_display "$dir" "$out" ${drawing:+"$drawing"}
mkdir -p "$out"

QT_QPA_PLATFORM=xcb "$dir/tests/vexlin-pictures" "$out"

shot() {
    import -window root "$out/$1.png"
    echo "$out/$1.png"
}
# Opens a drop-down, pictures it and closes it again.
menu_shot() {
    open_menu "$2"
    sleep 0.3
    shot "menu-$1"
    xdotool key Escape Escape
    sleep 0.3
}
# Pictures the dialog whose name matches, then answers it with a key, or with a click at a place
# from its top-left corner.
dialog_shot() {
    local window WINDOW X Y WIDTH HEIGHT SCREEN
    window=$(wait_window "$2")
    sleep 0.3
    shot "dialog-$1"
    if [ $# -eq 4 ]; then
        eval "$(xdotool getwindowgeometry --shell "$window")"
        xdotool mousemove "$((X + $3))" "$((Y + $4))" click 1
    else
        xdotool windowfocus --sync "$window"
        xdotool key "$3"
    fi
    sleep 0.5
}

if [ -n "$drawing" ]; then
    start_editor "$drawing"
    sleep 1
    shot main-window
    exit
fi
start_editor
import -window root "$out/main-window.png"
find_canvas "$out/main-window.png" >/dev/null
for corner in "-100 -50" "-20 -50" "-60 30"; do
    # shellcheck disable=SC2086
    click $corner 1
done
click -60 30 3
shot main-window

names=(file spacer-1 points sets functions spacer-2 type spacer-3 help edit view window)
for n in "${!names[@]}"; do
    menu_shot "${names[n]}" "$n"
done
open_menu 0
xdotool key Down Right
sleep 0.4
shot menu-file-new
xdotool key Escape Escape Escape

# Zoomed twice about the centre, with the snap grid (View > Snap to grid), then back.
xdotool key ctrl+equal ctrl+equal
sleep 0.3
choose 10 4
shot main-window-zoomed
choose 10 4
xdotool key ctrl+1
choose 10 5
dialog_shot grid-spacing '^Grid spacing$' Escape

choose 6 0
press 307 33
wait_window 'Prizm Values' >/dev/null
shot dialog-prism-values
press 162 33
dialog_shot shapes 'Shapes' 130 172
choose 0 4
dialog_shot remarks 'Remarks' Escape
choose 8 1
dialog_shot about '^About$' Return
choose 8 0
sleep 1
shot help
choose 0 3
dialog_shot save-as '^Save As$' Escape
# The window holds a drawing, so Open asks for the file in a new window.
choose 0 1
dialog_shot open '^Open Pol/Prm File$' Escape
choose 0 5
dialog_shot yes-or-no '^Yes or No$' Escape

# A star over a sketch at the default 40 %, remembered beside the drawing, with its table.
stop_editor
"$dir/tools/vexlin-tool" shape "$work/traced.prm" --style star --points 5 --function 0.5 \
    --kind prism --spline cubic >/dev/null
convert -size 400x400 xc:white -fill none -stroke '#3060c0' -strokewidth 6 \
    -draw 'circle 200,200 200,40' -draw 'polyline 200,30 250,150 380,160 280,240 320,370 200,290 80,370 120,240 20,160 150,150 200,30' \
    "$work/sketch.png"
printf 'picture=sketch.png\nopacity=0.4\nwidth=4\n' >"$work/traced.prm.vexlin-bg"
start_editor traced.prm
shot traced
xdotool key F6
table=$(wait_window '^Point table')
sleep 1
# The third row selected: the canvas marks its point.
eval "$(xdotool getwindowgeometry --shell "$table")"
xdotool mousemove "$((X + 60))" "$((Y + 75))" click 1
sleep 0.5
shot traced-table
# Zoomed in three steps about the canvas centre, the table closed: the sketch follows the view.
xdotool key F6
sleep 0.5
xdotool key ctrl+equal ctrl+equal ctrl+equal
sleep 0.5
shot traced-zoomed
