#!/usr/bin/env bash
# Pictures the editor under Xvfb: the main window with a drawing, each drop-down of its menu bar,
# each dialog it opens and the help window, one PNG each.
# Usage: scripts/editor-screenshots.sh [build-dir] [out-dir]   (default out-dir: <build-dir>/shots)
set -euo pipefail
cd "$(dirname "$0")/.."
dir=$(cd "${1:-build}" && pwd)
out=$(realpath -m "${2:-$dir/shots}")
source scripts/e2e-common.sh
need_editor
need_display "$dir" "$out"
mkdir -p "$out"

at() {
    xdotool mousemove "$((fx + $1))" "$((fy + $2))" click 1
    sleep 0.6
}
shot() {
    import -window root "$out/$1.png"
    echo "$out/$1.png"
}
# Opens a drop-down, pictures it and closes it again.
menu_shot() {
    at "$2" 8
    shot "menu-$1"
    xdotool key Escape
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

start_editor
shot start >/dev/null
find_canvas "$out/start.png" >/dev/null
for corner in "-100 -50" "-20 -50" "-60 30"; do
    # shellcheck disable=SC2086
    click $corner 1
done
click -60 30 3
shot main-window

menu_shot file 23
at 23 8
at 60 29
shot menu-file-new
xdotool key Escape Escape
menu_shot spacer-1 88
menu_shot points 153
menu_shot sets 203
menu_shot functions 263
menu_shot spacer-2 325
menu_shot type 380
menu_shot spacer-3 431
menu_shot help 474
menu_shot window 529

at 380 8
at 403 51
at 307 33
wait_window 'Prizm Values' >/dev/null
shot dialog-prism-values
at 162 33
dialog_shot shapes 'Shapes' 130 172
at 23 8
at 60 117
dialog_shot remarks 'Remarks' Escape
at 474 8
at 500 51
dialog_shot about '^About$' Return
at 474 8
at 500 29
sleep 1
shot help
at 23 8
xdotool key a
dialog_shot save-as '^Save As$' Escape
at 23 8
xdotool key o
dialog_shot open '^Open Pol/Prm File$' Escape
# A new window over the changed one: the open command asks for the file in it.
at 23 8
xdotool key x
dialog_shot yes-or-no '^Yes or No$' Escape
