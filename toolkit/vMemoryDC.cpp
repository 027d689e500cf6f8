#include "toolkit/vMemoryDC.h"

vMemoryDC::vMemoryDC(int width, int height) {
    SetSurface(&_pixels);
    Resize(width, height);
}

void vMemoryDC::Resize(int width, int height) {
    const vColor& paper = Background();
    _pixels.Resize(width, height, PixelSurface::FromRgb(paper.Red(), paper.Green(), paper.Blue()));
}
