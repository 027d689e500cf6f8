#!/usr/bin/env bash
# Checks an installed Vexlin (the Debian package, or `cmake --install` to PREFIX):
#   - `vexlin-tool --help` works and names every command; `man vexlin-tool` shows the page;
#   - under a virtual X display the installed editor starts from the launcher the desktop entry
#     runs and shows the drawing named on its command line exactly as `vexlin-tool render`
#     draws it; started again, it opens no notice (its settings file was made at the first
#     start) and opens its help from the " Help " menu's " Contents";
#   - where the desktop's tools are installed (desktop-file-validate, gio), the desktop entry is
#     valid and drawings are files of Vexlin's types, opened by Vexlin.
# Needs xvfb-run, xdotool, ImageMagick and man. Pictures go to OUT_DIR (default: a temporary
# folder, removed at the end).
# Usage: scripts/check-deb.sh [PREFIX [OUT_DIR]]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
prefix=${1:-/usr}
if [ -z "${DISPLAY:-}" ]; then
    exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$prefix" "${2:-}"
fi
source "$here/e2e-common.sh"
out=${2:-}
if [ -z "$out" ]; then
    out=$(mktemp -d /tmp/vexlin-check-XXXXXX)
    trap 'stop_editor; rm -rf "$out"' EXIT
else
    mkdir -p "$out"
    trap 'stop_editor' EXIT
fi
tool=$prefix/bin/vexlin-tool

ok() { echo "ok: $*"; }
fail() {
    echo "FAILED: $*" >&2
    status=1
}

# The command line tool and its manual.
if help=$("$tool" --help) && grep -q " import IN OUT" <<<"$help" &&
    grep -q " export-svg IN OUT.svg" <<<"$help"; then
    ok "vexlin-tool --help"
else
    fail "vexlin-tool --help"
fi
# Under another prefix than the system's, the manual is looked for there.
manuals=$([ "$prefix" = /usr ] || echo "$prefix/share/man")
if page=$(env LC_ALL=C ${manuals:+MANPATH=$manuals} MANPAGER=cat MANWIDTH=80 man vexlin-tool 2>&1) &&
    grep -q "^NAME" <<<"$page" && grep -q "export-svg IN OUT.svg" <<<"$page"; then
    ok "man vexlin-tool"
else
    fail "man vexlin-tool: $page"
fi

# The editor, started as the desktop entry starts it. On its first start it says that it makes
# a new settings file; on the next it has one.
start() {
    "$prefix/bin/vexlin" "$@" &
    pid=$!
    frame=$(wait_window '^Quorvane$' 20) || fail "the editor's frame did not show"
    sleep 1
    notices=0
    while notice=$(wait_window '^Notice$' 1 2>/dev/null); do
        notices=$((notices + 1))
        xdotool windowfocus --sync "$notice" key Return
        sleep 0.5
    done
}

cd "$out"
"$tool" shape star.pol --style star --points 7 --size 1.5 --function 0.4 >/dev/null
start star.pol
echo "first start: $notices notice(s)"
import -window root editor.png
if find_canvas editor.png; then
    convert editor.png -crop "${canvas_w}x${canvas_h}+${canvas_x}+${canvas_y}" +repage canvas.png
    "$tool" render star.pol expected.png --size "${canvas_w}x${canvas_h}" >/dev/null
    differing=$(compare -metric AE canvas.png expected.png null: 2>&1 || true)
    if [ "$differing" = 0 ]; then
        ok "the editor shows star.pol as vexlin-tool renders it"
    else
        fail "the canvas differs from star.pol in $differing pixels (editor.png, expected.png)"
    fi
else
    fail "no canvas on the screen (editor.png)"
fi

stop_editor

# Its help, from the menu (F1 is not bound): menu 8 is " Help ", its first item " Contents".
start
[ "$notices" = 0 ] && ok "no notice on the next start" || fail "$notices notice(s) on the next start"
if [ -n "${frame:-}" ]; then
    eval "$(xdotool getwindowgeometry --shell "$frame")"
    fx=$X
    fy=$Y
    choose 8 0
    if wait_window '^Vexlin help$' 10 >/dev/null; then
        ok "Help > Contents shows the help document"
    else
        fail "no help window"
    fi
    if wait_window '^Notice$' 1 >/dev/null 2>&1; then
        fail "a notice opened with the help"
    fi
    import -window root help.png
fi
stop_editor

# The desktop's view of the installation, where its tools are present.
entry=$prefix/share/applications/vexlin.desktop
if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$entry" && ok "desktop entry valid" || fail "desktop entry"
fi
# What a file manager asks: the type of a drawing and the program that opens that type.
if command -v gio >/dev/null && [ "$prefix" = /usr ]; then
    "$tool" shape star.prm --style star --kind prism >/dev/null
    for pair in "star.pol text/x-vexlin-polygon" "star.prm text/x-vexlin-prism"; do
        read -r drawing wanted <<<"$pair"
        kind=$(gio info -a standard::content-type "$drawing" | sed -n 's/.*content-type: //p')
        opener=$(gio mime "$kind" | sed -n 's/^Default application for .*: //p')
        if [ "$kind" = "$wanted" ] && [ "$opener" = vexlin.desktop ]; then
            ok "$drawing is $kind, opened by $opener"
        else
            fail "$drawing is '$kind', opened by '$opener'"
        fi
    done
fi
exit $status
