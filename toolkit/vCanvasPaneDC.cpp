#include "toolkit/vCanvasPaneDC.h"

#include "toolkit/vCanvasPane.h"
#include "toolkit/vWindow.h"

vCanvasPaneDC::vCanvasPaneDC(vCanvasPane* pane, PixelSurface* surface, vWindowHandle window)
    : vWinDC(surface), _pane(pane), _windowHandle(window) {}

void vCanvasPaneDC::SetBackground(const vColor& colour) {
    vWinDC::SetBackground(colour);
    EraseCanvas();
    if (_pane) {
        _pane->OnRedraw(0, 0, 0, 0);
    }
}

void vCanvasPaneDC::EndPaintCycle() {
    if (_paintDepth > 0) {
        --_paintDepth;
    }
}

void vCanvasPaneDC::ReleaseDCHandle() {
    if (_paintDepth == 0 && _pane && _pane->Window()) {
        _pane->Window()->SurfaceChanged();
    }
}
