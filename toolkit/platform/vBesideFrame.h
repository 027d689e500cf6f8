#pragma once

#include "toolkit/DrawingTypes.h"

// Where a window of the program's own (help, pictures, a table) goes: beside the frame, so that
// the drawing stays in view, and wholly on the screen. Rectangles are in screen pixels and
// include the windows' decorations: `area` is the part of the screen that windows may take,
// `frame` the frame's. The window keeps its size where the area holds it and shrinks to the
// area where not. It goes right of the frame where there is room, else left of it, else at the
// area's right edge, over as little of the frame's right side as it can; its top is level with
// the frame's, moved as far as the area needs.
vRect PlaceBesideFrame(const vRect& area, const vRect& frame, int width, int height);
