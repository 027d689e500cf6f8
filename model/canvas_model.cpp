#include "model/KCanvasPane.h"

KCanvasPane::KCanvasPane(KStatusSink* owner)
    : vCanvasPane(PaneCanvas),
      pointCount(drawing.pointCount),
      setCount(drawing.setCount),
      originX(150),
      originY(150),
      points(drawing.points),
      control1(drawing.control1),
      control2(drawing.control2),
      setEnds(drawing.setEnds),
      remark1(drawing.remark1),
      remark2(drawing.remark2),
      remark3(drawing.remark3),
      pickIndex(0),
      pickAux(0),
      pickSet(0),
      controlState(0),
      controlWrap(0),
      anchorX(0),
      anchorY(0),
      scaleX(1.0),
      scaleY(1.0),
      prismStart(drawing.prismStart),
      prismEnd(drawing.prismEnd),
      splineType(drawing.splineType),
      sweepType(drawing.sweepType),
      useSturm(drawing.useSturm),
      isOpen(drawing.isOpen),
      changed(0),
      buttonHeld(0),
      bandFromX(-1),
      bandFromY(-1),
      bandToX(-1),
      bandToY(-1),
      ownerWindow(owner) {}

Drawing KCanvasPane::AsShown() const {
    Drawing shown = drawing;
    shown.kind = static_cast<ShapeKind>(shapeKind);
    return shown;
}

// What the selection chose may not exist in the drawing put in place.
void KCanvasPane::SetModel(const Drawing& replacement) {
    selection.Clear();
    drawing = replacement;
    drawing.CheckInvariants();
}
