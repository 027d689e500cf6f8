#!/usr/bin/env bash
# Checks an installed Vexlin (the Debian package, or `cmake --install` to PREFIX):
#   - with --deb FILE, that lintian finds no error and no warning in the package, and that the
#     installed programs' version is the package's;
#   - `vexlin-tool --help` works and names every command, and so do its completion and its
#     --version; `man vexlin-tool`, `man vexlin` and `man Vexlin` show their pages;
#   - `vexlin --help` and `vexlin --version` answer without a display;
#   - under a virtual X display the installed editor starts from the launcher the desktop entry
#     runs and shows the drawing named on its command line exactly as `vexlin-tool render`
#     draws it; started again, it opens no notice (its settings file was made at the first
#     start) and opens its help from the " Help " menu's " Contents"; it kept its settings in
#     ~/.config/vexlin/ of a home of its own (made here, so that the caller's stays as it is)
#     and wrote nothing into the installation;
#   - where the desktop's tools are installed (desktop-file-validate, gio, appstreamcli), the
#     desktop entry and the AppStream metadata are valid and drawings are files of Vexlin's
#     types, opened by Vexlin.
# Needs xvfb-run, xdotool, ImageMagick and man. Pictures go to OUT_DIR (default: a temporary
# folder, removed at the end).
# Usage: scripts/check-deb.sh [--deb FILE] [PREFIX [OUT_DIR]]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
arguments=("$@")
deb=
if [ "${1:-}" = --deb ]; then
    deb=$(realpath "$2")
    shift 2
fi
prefix=${1:-/usr}
if [ -z "${DISPLAY:-}" ]; then
    exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "${arguments[@]}"
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

# The package as a distribution sees it.
version=$("$prefix/bin/vexlin" --version)
if [ -n "$deb" ]; then
    if command -v lintian >/dev/null; then
        if lintian --fail-on error,warning "$deb" 2>/dev/null; then
            ok "lintian: no error, no warning"
        else
            fail "lintian: $(lintian "$deb" 2>/dev/null | grep -E '^(E|W):' | tr '\n' ' ')"
        fi
    fi
    wanted="vexlin $(dpkg-deb -f "$deb" Version)"
    [ "$version" = "$wanted" ] && ok "vexlin --version: $version" ||
        fail "vexlin --version says '$version', the package is '$wanted'"
fi
tool_version=$("$tool" --version)
[ "${tool_version#vexlin-tool }" = "${version#vexlin }" ] && ok "vexlin-tool --version: $tool_version" ||
    fail "vexlin-tool --version says '$tool_version', vexlin '$version'"
if env -u DISPLAY -u WAYLAND_DISPLAY "$prefix/bin/vexlin" --help | grep -q "MIT licence"; then
    ok "vexlin --help without a display"
else
    fail "vexlin --help"
fi

# The command line tool, its completion and its manual.
if help=$("$tool" --help) && grep -q " import IN \[OUT\]" <<<"$help" &&
    grep -q " export-svg IN OUT.svg" <<<"$help"; then
    ok "vexlin-tool --help"
else
    fail "vexlin-tool --help"
fi
# Under another prefix than the system's, the manual is looked for there.
manuals=$([ "$prefix" = /usr ] || echo "$prefix/share/man")
show_manual() {
    env LC_ALL=C ${manuals:+MANPATH=$manuals} MANPAGER=cat MANWIDTH=80 man "$1" 2>&1
}
for pair in "vexlin-tool export-svg IN OUT.svg" "vexlin vexlin --help" "Vexlin vexlin --help"; do
    read -r name wanted <<<"$pair"
    if page=$(show_manual "$name") && grep -q "^NAME" <<<"$page" && grep -q -- "$wanted" <<<"$page" &&
        grep -q "^EXAMPLES" <<<"$page" && grep -q "^FILES" <<<"$page" && grep -q "povray(1)" <<<"$page"; then
        ok "man $name"
    else
        fail "man $name: $page"
    fi
done
completion=$prefix/share/bash-completion/completions/vexlin-tool
if words=$(bash -c 'source "$1"; COMP_WORDS=(vexlin-tool render in.prm out.png --pic); COMP_CWORD=4
                    _vexlin_tool; echo "${COMPREPLY[*]}"' completion "$completion") &&
    [ "$words" = "--picture" ]; then
    ok "bash completion"
else
    fail "bash completion: '${words:-}'"
fi

# The editor, started as the desktop entry starts it, in a home of its own. On its first start
# it says that it makes a new settings file; on the next it has one.
mkdir -p "$out/home"
touch "$out/before"
start() {
    env -u XDG_CONFIG_HOME HOME="$out/home" "$prefix/bin/vexlin" "$@" &
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

# An installed editor keeps its settings in the user's configuration folder, and nowhere else.
written=$(find "$prefix/bin" "$prefix/share/vexlin" -newer "$out/before" 2>/dev/null)
if [ -f "$out/home/.config/vexlin/Vexlin.ini" ] && [ -z "$written" ]; then
    ok "settings in ~/.config/vexlin/Vexlin.ini, nothing written into the installation"
else
    fail "settings: $(find "$out/home" -type f | tr '\n' ' ') written there: $written"
fi

# The desktop's view of the installation, where its tools are present.
entry=$prefix/share/applications/vexlin.desktop
if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$entry" && ok "desktop entry valid" || fail "desktop entry"
fi
if command -v appstreamcli >/dev/null; then
    appstreamcli validate --no-net "$prefix"/share/metainfo/*.metainfo.xml >/dev/null &&
        ok "AppStream metadata valid" || fail "AppStream metadata"
fi
# What a file manager asks: the type of a drawing and the program that opens that type.
if command -v gio >/dev/null && [ "$prefix" = /usr ]; then
    "$tool" shape star.prm --style star --kind prism >/dev/null
    "$tool" shape star.lat --style star >/dev/null
    for pair in "star.pol text/x-vexlin-polygon" "star.prm text/x-vexlin-prism" \
        "star.lat text/x-vexlin-lathe"; do
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
