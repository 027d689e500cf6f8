#pragma once

#include <functional>

#include "model/KCanvasPane.h"

class DrawingHistory;

// A drawing window's canvas. A mouse gesture, from the first button pressed to the last one
// released, is one action of the window's history: a left drag, or the right click that closes
// a set or places a copy.
class KGestureCanvas : public KCanvasPane {
public:
    KGestureCanvas(KStatusSink* owner, DrawingHistory& history);

    void OnMouseDown(int x, int y, int button) override;
    void OnMouseUp(int x, int y, int button) override;
    void OnMouseMotion(int x, int y) override;
    // Every picture starts here, once the drawing is what it shows.
    void ClearCanvas(int keepPoints) override;

    // Told the entry a Move Point press picked, and every time the drawing is shown or a
    // gesture ends.
    std::function<void(int index)> pointPicked;
    std::function<void()> drawingShown;

private:
    static int ButtonBit(int button);
    void Released(int bits);

    DrawingHistory& _history;
    int _held = 0;
};
