#include "model/KCanvasPane.h"

void KCanvasPane::OnRedraw(int, int, int, int) {}
void KCanvasPane::DrawSetCurve(int, int) {}
void KCanvasPane::DrawAllCurves() {}
void KCanvasPane::DrawCurveSegment(Point2, Point2, Point2, Point2) {}
