#include "model/KCanvasPane.h"

void KCanvasPane::GenerateShape(int, double, int, double, int) {}
