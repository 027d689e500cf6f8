#!/usr/bin/env bash
# Compares the editor's start-up with a bare Qt multiple-document frame holding one 300 x 300
# child that blits an image, both built in the same build tree with the same flags, on one
# virtual X display:
#   visible   milliseconds from the program's start until its frame's first pixels reach the
#             X server (watched from outside by vexlin-frame-watch, the same for both)
#   processor the processor time the program had used by then: steadier than the first while
#             other work shares the machine
#   memory    resident memory (VmRSS) once the program has drawn nothing for a second
# Each program runs once to warm the caches, then RUNS times (default 10), alternating; the
# medians and the ratios editor / bare are printed. The editor runs as a private copy with its
# settings file beside it, so no notice opens, and with its one "Untitled" window.
# Usage: scripts/startup-bench.sh [BUILD_DIR [RUNS]]
set -euo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)
dir=${1:-build}
runs=${2:-10}
case $dir in /*) ;; *) dir=$repo/$dir ;; esac

if [ -z "${DISPLAY:-}" ]; then
    cmake -S "$repo" -B "$dir" -G Ninja >/dev/null
    cmake --build "$dir" -j 2 --target Vexlin vexlin-bare-frame vexlin-frame-watch >/dev/null
    exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$dir" "$runs"
fi

home=$(mktemp -d /tmp/vexlin-startup-XXXXXX)
trap 'rm -rf "$home"' EXIT
mkdir -p "$home/bin" "$home/work"
cp "$dir/app/Vexlin" "$dir/app/Vexlin.hlp" "$dir/app/vexlin-build-folder" \
    "$dir/bench/startup/vexlin-bare-frame" "$home/bin/"
printf '%s\npol\n' "$home/work" >"$home/bin/Vexlin.ini"
watch=$dir/bench/startup/vexlin-frame-watch

measure() {
    (cd "$home/work" && "$watch" "$home/bin/$1" 2>/dev/null)
}

median() {
    sort -n | awk '{v[NR] = $1} END {print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2}'
}

measure vexlin-bare-frame >/dev/null
measure Vexlin >/dev/null
: >"$home/bare" && : >"$home/editor"
for ((i = 1; i <= runs; ++i)); do
    measure vexlin-bare-frame >>"$home/bare"
    measure Vexlin >>"$home/editor"
done

column() {
    cut -d' ' -f"$1" "$home/$2"
}

echo "runs: $runs each, alternating; load: $(cut -d' ' -f1-3 /proc/loadavg)"
for program in bare editor; do
    echo "visible (ms), $program: $(column 1 $program | paste -sd' ')"
done
printf '%-24s %10s %10s %8s %8s\n' median bare editor ratio target
row() {
    local bare editor
    bare=$(column "$2" bare | median)
    editor=$(column "$2" editor | median)
    awk -v what="$1" -v b="$bare" -v e="$editor" \
        'BEGIN {printf "%-24s %10.1f %10.1f %8.2f %8s\n", what, b, e, e / b, "1.10"}'
}
row "frame visible (ms)" 1
row "processor until (ms)" 2
row "resident, idle (KB)" 3
