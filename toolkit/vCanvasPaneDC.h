#pragma once

#include "toolkit/vHandles.h"
#include "toolkit/vWinDC.h"

class vCanvasPane;

// The drawing context of a canvas pane: draws into its window's surface. A drawing call made
// outside a paint asks the window to show the surface again; inside a paint the platform shows
// it anyway once the paint is done.
class vCanvasPaneDC : public vWinDC {
public:
    vCanvasPaneDC(vCanvasPane* pane, PixelSurface* surface, vWindowHandle window);

    // Stores the colour, erases the canvas with it and has the pane draw anew.
    void SetBackground(const vColor& colour) override;
    void BeginPaintCycle() override { ++_paintDepth; }
    void EndPaintCycle() override;
    void ReleaseDCHandle() override;

    vCanvasPane* Pane() const { return _pane; }
    vWindowHandle WindowHandle() const { return _windowHandle; }
    bool InPaintCycle() const { return _paintDepth > 0; }

private:
    vCanvasPane* _pane;
    vWindowHandle _windowHandle;
    int _paintDepth = 0;
};
