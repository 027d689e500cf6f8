#pragma once

#include "model/Drawing.h"

class KCanvasPane;

// The whole drawing as the user sees and saves it, as an undo step or the state last saved
// keeps it. Not the edit mode, the gesture state or the canvas size.
struct DrawingSnapshot : Drawing {
    // The steps that changed the program-wide kind (a paste into an empty drawing takes the
    // pasted object's kind) carry the kind the drawing goes with in `kind`; the others leave
    // the kind as it is. Not part of the drawing: snapshots compare without it.
    bool withKind = false;

    static DrawingSnapshot Of(const KCanvasPane& canvas);
    void RestoreInto(KCanvasPane& canvas) const;
    bool operator==(const DrawingSnapshot& other) const { return SameParts(*this, other); }
    bool operator!=(const DrawingSnapshot& other) const { return !(*this == other); }
};
