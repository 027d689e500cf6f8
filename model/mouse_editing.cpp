#include "model/KCanvasPane.h"

void KCanvasPane::OnMouseDown(int, int, int) {}
void KCanvasPane::OnMouseUp(int, int, int) {}
void KCanvasPane::OnMouseMove(int, int, int) {}
void KCanvasPane::OnMouseMotion(int, int) {}
void KCanvasPane::InsertPointAt(int, int, int, int) {}
int KCanvasPane::PickControlHandle(int, int) { return -1; }
