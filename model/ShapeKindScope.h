#pragma once

#include "model/EditState.h"

// The program-wide kind made a drawing's for as long as the scope lives, and restored after. A
// program without a window (the batch tool) runs the canvas's operations, which read the
// program-wide kind, on drawings of any kind through one, and so leaves the kind as it found it.
class ShapeKindScope {
public:
    explicit ShapeKindScope(int kind) : _saved(shapeKind) { shapeKind = kind; }
    ~ShapeKindScope() { shapeKind = _saved; }
    ShapeKindScope(const ShapeKindScope&) = delete;
    ShapeKindScope& operator=(const ShapeKindScope&) = delete;

private:
    int _saved;
};
