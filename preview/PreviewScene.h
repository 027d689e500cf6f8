#pragma once

#include <string>

#include "model/Drawing.h"
#include "scenefile/KindChoice.h"

class KCanvasPane;

// A drawing as the preview renders it: the text the window's Save would write, and the kind
// written. A lathe or surface of revolution is written with "sturm", which a face-on view needs.
struct PreviewScene {
    std::string text;
    int kind = Polygon;  // a ShapeKind
    // Why the writer would refuse the drawing, in the preview's words; empty when it would
    // write it: a number too large to write, or every rule its profiles break, one to a line.
    std::string refusal;

    // The scene of the drawing saved under fileName with the kind choice of the file dialogs;
    // changes nothing.
    static PreviewScene Of(const Drawing& drawing, const char* fileName, KindChoice choice);
    // The same for the canvas's drawing in the program-wide kind, the choice a filter's index.
    static PreviewScene Of(const KCanvasPane& canvas, const char* fileName, int kindChoice);

    bool Writable() const { return refusal.empty(); }
    bool operator==(const PreviewScene& other) const {
        return text == other.text && kind == other.kind && refusal == other.refusal;
    }
    bool operator!=(const PreviewScene& other) const { return !(*this == other); }
};
