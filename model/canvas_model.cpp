#include <cmath>
#include <cstring>

#include "model/KCanvasPane.h"

KCanvasPane::KCanvasPane(KStatusSink* owner)
    : vCanvasPane(PaneCanvas),
      pointCount(0),
      setCount(0),
      originX(150),
      originY(150),
      points(new Point2[MaxPoints]()),
      control1(new Point2[MaxPoints]()),
      control2(new Point2[MaxPoints]()),
      setEnds(new int[SetEndEntries]()),
      remark1(new char[RemarkSize]()),
      remark2(new char[RemarkSize]()),
      remark3(new char[RemarkSize]()),
      pickIndex(0),
      pickAux(0),
      pickSet(0),
      controlState(0),
      controlWrap(0),
      anchorX(0),
      anchorY(0),
      scaleX(1.0),
      scaleY(1.0),
      prismStart(0.0),
      prismEnd(0.5),
      splineType(LinearSpline),
      sweepType(LinearSweep),
      useSturm(0),
      isOpen(0),
      changed(0),
      buttonHeld(0),
      bandFromX(-1),
      bandFromY(-1),
      bandToX(-1),
      bandToY(-1),
      ownerWindow(owner) {
    std::strcpy(remark1, "//");
    std::strcpy(remark2, "//");
    std::strcpy(remark3, "//");
}

KCanvasPane::~KCanvasPane() {
    delete[] points;
    delete[] control1;
    delete[] control2;
    delete[] setEnds;
    delete[] remark1;
    delete[] remark2;
    delete[] remark3;
}
