#pragma once

#include <string>

#include "model/EditState.h"
#include "model/PrismValues.h"

class KCanvasPane;

// What a drawing window's recovery copy holds: the drawing as the writer writes it, whatever
// the rules of its kind (a copy must keep a drawing the writer would refuse), and what the
// window knows beside it: its caption, its file's name, the kind, the file filter and the prism
// values of its dialog.
struct RecoveryCopy {
    std::string title;
    std::string fileName;  // "" for an untitled drawing
    int kind = Polygon;
    int filter = 0;
    PrismValues values;
    std::string scene;

    // The canvas's drawing, written as the kind given.
    void TakeDrawing(const KCanvasPane& canvas, int drawingKind);

    // The copy as its file holds it, and back; Parse is false for anything but a whole copy.
    std::string Text() const;
    static bool Parse(const std::string& text, RecoveryCopy& copy);
};
