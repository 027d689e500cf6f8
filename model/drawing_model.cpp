#include "model/KCanvasPane.h"

void KCanvasPane::OnResize(int, int) {}
void KCanvasPane::ClearCanvas(int) {}
void KCanvasPane::SetRemarks(const char*, const char*, const char*) {}
void KCanvasPane::SetPrismValues(double, double, int, int, int, int) {}
int KCanvasPane::FindNearestPoint(int, int) const { return -1; }
int KCanvasPane::FindSetOf(int) const { return -1; }
int KCanvasPane::FindCoincidentPoint(int) const { return -1; }
void KCanvasPane::RemovePoints(int, int) {}
void KCanvasPane::FindSetCentre() {}
void KCanvasPane::InitBezierHandles() {}
double KCanvasPane::FileX(double mx) { return mx / 75; }
double KCanvasPane::FileY(double my) { return -my / 75; }
void KCanvasPane::StatusPosition(int, int, double& x, double& y) const { x = y = 0; }
void KCanvasPane::ReportStatus(double, double) {}
