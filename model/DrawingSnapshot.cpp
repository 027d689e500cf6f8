#include "model/DrawingSnapshot.h"

#include "model/KCanvasPane.h"

DrawingSnapshot DrawingSnapshot::Of(const KCanvasPane& canvas) {
    return {canvas.Model(), false};
}

void DrawingSnapshot::RestoreInto(KCanvasPane& canvas) const {
    canvas.SetModel(*this);
    canvas.SetPrismValues(PrismValues::Of(*this));
}
