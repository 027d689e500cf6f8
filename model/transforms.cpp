#include "model/KCanvasPane.h"

double KCanvasPane::AngleOf(double, double) { return 0; }
void KCanvasPane::RotateAboutOrigin(double&, double&, double) {}
void KCanvasPane::RotateRange(int, int, double, double, double) {}
void KCanvasPane::ScaleRange(int, int, float, int) {}
void KCanvasPane::FlipSetVertical() {}
void KCanvasPane::FlipAllVertical() {}
void KCanvasPane::CentreAll() {}
