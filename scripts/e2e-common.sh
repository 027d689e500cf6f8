# Shared by the end-to-end scripts that drive the editor under a virtual X display with xdotool.
# Source it after setting `dir` (the build directory); it defines:
#   need_editor         ends the script unless the editor is built in $dir
#   need_display ARGS   with no display, runs the script again, with these arguments, under a
#                       virtual one
#   prepare NAME        for a script called with only the build directory: need_editor,
#                       need_display, and the picture folder out=$dir/NAME
#   start_editor ARGS   starts a private copy of the editor (a build folder of its own, with its
#                       own settings file beside it, so no notice opens and the build's settings
#                       stay as they are) in $work;
#                       sets pid and frame (the frame's window) and its position fx, fy
#   stop_editor         ends the editor started last, unless it has ended
#   open_menu N         opens drop-down N of the menu bar (0 is File) from the keyboard
#   choose N K          chooses item K of drop-down N (counting enabled items only)
#   press DX DY         clicks a place of the frame, from its top-left corner
#   wait_window PATTERN [SECONDS]  prints the id of the first visible window whose name
#                       matches, waiting up to 10 seconds or as long as given
#   pixel SHOT X Y      red, green and blue of one pixel of a screenshot, as "r,g,b"
#   find_canvas SHOT    sets canvas_x, canvas_y, canvas_w, canvas_h and the origin ox, oy
#   click DX DY BUTTON  moves to the origin + (DX, DY) and clicks
#   check SHOT DX DY WANT WHAT   compares one pixel relative to the origin; failures set status=1

status=0

pid=
home=

need_editor() {
    if [ ! -x "$dir/app/Vexlin" ]; then
        echo "$(basename "$0"): no editor at $dir/app/Vexlin" >&2
        exit 1
    fi
}

need_display() {
    if [ -z "${DISPLAY:-}" ]; then
        exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$@"
    fi
}

prepare() {
    need_editor
    need_display "$dir"
    out="$dir/$1"
    mkdir -p "$out"
}

# The private copy, made once. Folder names carry no dot: the writer adds an extension only to
# a name without one.
make_home() {
    home=$(mktemp -d /tmp/vexlin-e2e-XXXXXX)
    work="$home/work"
    mkdir -p "$home/bin" "$work"
    cp "$dir/app/Vexlin" "$dir/app/vexlin-build-folder" "$home/bin/"
    cp "$dir/app/Vexlin.hlp" "$home/bin/" 2>/dev/null || true
    printf '%s\npol\n' "$work" >"$home/bin/Vexlin.ini"
    trap 'stop_editor; rm -rf "$home"' EXIT
}

wait_window() {
    local id
    for _ in $(seq $((${2:-10} * 5))); do
        id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1 || true)
        if [ -n "$id" ]; then
            echo "$id"
            return 0
        fi
        sleep 0.2
    done
    echo "no window named $1" >&2
    return 1
}

start_editor() {
    if [ -z "$home" ]; then
        make_home
    fi
    (cd "$work" && exec "$home/bin/Vexlin" "$@") &
    pid=$!
    frame=$(wait_window '^Quorvane$')
    sleep 1
    local WINDOW X Y WIDTH HEIGHT SCREEN
    eval "$(xdotool getwindowgeometry --shell "$frame")"
    fx=$X
    fy=$Y
}

stop_editor() {
    if [ -n "$pid" ]; then
        kill "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
        pid=
    fi
}

pixel() {
    convert "$1" -format \
        "%[fx:round(255*p{$2,$3}.r)],%[fx:round(255*p{$2,$3}.g)],%[fx:round(255*p{$2,$3}.b)]" info:
}

# The canvas is found by its grid: the grid lines span the whole canvas and nothing else on the
# screen has their colour, so their bounding box is the canvas and its centre the origin.
find_canvas() {
    local box
    box=$(convert "$1" -fill black +opaque "rgb(220,220,230)" \
        -fill white -opaque "rgb(220,220,230)" -format "%@" info:)
    if [[ ! "$box" =~ ^([0-9]+)x([0-9]+)\+([0-9]+)\+([0-9]+)$ ]]; then
        echo "no canvas grid on the screen ($box)" >&2
        return 1
    fi
    canvas_w=${BASH_REMATCH[1]}
    canvas_h=${BASH_REMATCH[2]}
    canvas_x=${BASH_REMATCH[3]}
    canvas_y=${BASH_REMATCH[4]}
    ox=$((canvas_x + canvas_w / 2))
    oy=$((canvas_y + canvas_h / 2))
    echo "canvas ${canvas_w}x${canvas_h} at $canvas_x,$canvas_y; origin $ox,$oy"
}

press() {
    xdotool mousemove "$((fx + $1))" "$((fy + $2))" click 1
    sleep 0.5
}

# The menu bar places its titles by the width of their text in the desktop's font, so only the
# first is clicked; the keyboard walks on from there, past the blank spacer menus too.
open_menu() {
    press 22 8
    for ((i = 0; i < $1; ++i)); do
        xdotool key Right
        sleep 0.2
    done
}

# A drop-down opened by a click has no item marked yet; one reached from the keyboard has its
# first enabled item marked.
choose() {
    open_menu "$1"
    local downs=$(($2 + ($1 == 0 ? 1 : 0)))
    for ((i = 0; i < downs; ++i)); do
        xdotool key Down
    done
    xdotool key Return
    sleep 0.5
}

click() {
    xdotool mousemove "$((ox + $1))" "$((oy + $2))"
    sleep 0.2
    xdotool click "$3"
    sleep 0.3
}

check() {
    local shot=$1 x=$((ox + $2)) y=$((oy + $3)) want=$4 what=$5
    local got
    got=$(pixel "$shot" "$x" "$y")
    if [ "$got" = "$want" ]; then
        echo "ok: $what ($x,$y) is $got"
    else
        echo "FAILED: $what ($x,$y) is $got, expected $want" >&2
        status=1
    fi
}
