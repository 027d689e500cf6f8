#pragma once

#include "interchange/Outline.h"
#include "model/KCanvasPane.h"

// Replaces the canvas's drawing by the outline's sets, each finished as the editor finishes a
// set: closing repeat and default handles, then the outline's curve handles and control
// points. Sets for which there is no room are not added. The prism values are left alone.
void PutOutline(const Outline& outline, Drawing& drawing);
void PutOutline(const Outline& outline, KCanvasPane& canvas);

// Gives the canvas the outline's spline, sweep, heights, "open" and "sturm".
void PutPrismValues(const Outline& outline, Drawing& drawing);
// The same, handed over to the canvas: everything it shows takes them.
void PutPrismValues(const Outline& outline, KCanvasPane& canvas);
