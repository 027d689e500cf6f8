#!/usr/bin/env bash
# Checks that every source folder includes only the folders it may use, and fails naming each
# include that breaks a rule:
#   toolkit/             the toolkit itself and its platform interface; no program folder
#   toolkit/platform/qt/ the one place besides tests/ and bench/ that includes Qt
#   io/                  itself only: safe saves, bounded reads, file identity
#   model/               itself, and the toolkit's canvas pane, value and text headers and
#                        memory surfaces
#   render/              the model, itself, and the same toolkit headers
#   scenefile/           the model, itself, io/, and the same toolkit headers
#   dialogs/             the toolkit, and the model's plain value types (prism values, program
#                        options, a background's placement, trace values, number text, a
#                        typed transform, guides)
#   interchange/, preview/  the model, scene files, io/, the toolkit
#   app/, tools/         any of the above, not each other; fuzz/ anything but Qt
# Usage: scripts/check-layers.sh [ROOT]   (default: this repository)
#        scripts/check-layers.sh --self-check   plants a wrong include of each kind, each in a
#                                               tree of its own, and fails unless all are caught
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)

folders=(app dialogs io model render scenefile toolkit interchange preview tools fuzz)
model_toolkit='toolkit/(vCanvasPane|vColor|vPen|vBrush|vFont|DrawingStyles|DrawingTypes|raster/StandardColors|util/Utf8Text|raster/PixelSurface|vMemoryDC)\.h'

# Whether a file of that layer may include the header; Qt headers come as "<Q...>".
allowed() {
    local layer=$1 header=$2
    if [[ $header == \<Q* ]]; then
        [ "$layer" = qt ]
        return
    fi
    [[ $header == \<* || $header != */* ]] && return 0
    header=${header#\"}
    case $layer in
        qt) [[ $header == toolkit/* ]] ;;
        toolkit) [[ $header == toolkit/* && $header != toolkit/platform/qt/* ]] ;;
        io) [[ $header == io/* ]] ;;
        model) [[ $header == model/* ]] || [[ $header =~ ^$model_toolkit$ ]] ;;
        render)
            [[ $header == model/* || $header == render/* ]] || [[ $header =~ ^$model_toolkit$ ]] ;;
        scenefile)
            [[ $header =~ ^(model|scenefile|io)/ ]] || [[ $header =~ ^$model_toolkit$ ]] ;;
        dialogs)
            [[ $header == dialogs/* || $header =~ ^model/(PrismValues|CanvasOptions|BackgroundPlacement|Affine2|Point2|NumberText|TraceValues|TypedTransform|GuideLines)\.h$ ]] ||
                [[ $header == toolkit/* && $header != toolkit/platform/qt/* ]] ;;
        interchange | preview)
            [[ $header =~ ^($layer|model|scenefile|io)/ ]] ||
                [[ $header == toolkit/* && $header != toolkit/platform/qt/* ]] ;;
        app) [[ ! $header =~ ^(tools|tests|bench|fuzz|toolkit/platform/qt)/ ]] ;;
        tools) [[ ! $header =~ ^(app|tests|bench|fuzz|toolkit/platform/qt)/ ]] ;;
        *) return 0 ;;
    esac
}

# Prints each wrong include of the tree as FILE:LINE: INCLUDE; fails when there is one.
check_tree() {
    local wrong=0 file line text header layer
    local pattern='include[[:space:]]*([<"][^>"]*)'
    while IFS=: read -r file line text; do
        case $file in
            toolkit/platform/qt/*) layer=qt ;;
            toolkit/*) layer=toolkit ;;
            *) layer=${file%%/*} ;;
        esac
        [[ $text =~ $pattern ]] || continue
        header=${BASH_REMATCH[1]}
        if ! allowed "$layer" "$header"; then
            [[ $header == \<* ]] && header+=">"
            echo "$file:$line: $layer/ may not include ${header#\"}"
            wrong=1
        fi
    done < <(cd "$1" && grep -rnE --include='*.cpp' --include='*.h' \
                 '^[[:space:]]*#[[:space:]]*include[[:space:]]*[<"]' "${folders[@]}" 2>/dev/null)
    return $wrong
}

# Each planted include, alone in a tree of its own, must be caught.
self_check() {
    local planted=(
        'model/planted.cpp:#include "dialogs/KryDialog.h"'
        'model/planted.cpp:#include "toolkit/vDialog.h"'
        'io/planted.cpp:#include "model/Point2.h"'
        'toolkit/planted.cpp:#include "model/KCanvasPane.h"'
        'toolkit/planted.cpp:#include "toolkit/platform/qt/QtFrame.h"'
        'render/planted.cpp:#include "io/FileReplace.h"'
        'dialogs/planted.cpp:#include "model/KCanvasPane.h"'
        'preview/planted.cpp:#include "app/KryCmdWindow.h"'
        'app/planted.cpp:  #  include <QWidget>'
        'tools/planted.cpp:#include "app/KryApp.h"'
    )
    local plant file tree
    for plant in "${planted[@]}"; do
        file=${plant%%:*}
        tree=$(mktemp -d)
        mkdir -p "$tree/$(dirname "$file")"
        echo "${plant#*:}" >"$tree/$file"
        if check_tree "$tree" >/dev/null; then
            rm -rf "$tree"
            echo "self-check: ${plant#*:} in $file was not caught" >&2
            return 1
        fi
        rm -rf "$tree"
    done
    echo "check-layers: self-check caught all ${#planted[@]} planted includes"
}

if [ "${1:-}" = --self-check ]; then
    self_check
    exit
fi

if check_tree "${1:-$here}"; then
    echo "check-layers: every folder includes only what it may"
else
    exit 1
fi
