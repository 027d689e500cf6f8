#include "app/KGestureCanvas.h"

#include "app/DrawingHistory.h"
#include "model/EditState.h"

namespace {

enum { LeftButton = 1, RightButton = 3 };

}  // namespace

KGestureCanvas::KGestureCanvas(KStatusSink* owner, DrawingHistory& history)
    : KCanvasPane(owner), _history(history) {}

int KGestureCanvas::ButtonBit(int button) {
    return button >= LeftButton && button <= RightButton ? 1 << button : 0;
}

void KGestureCanvas::OnMouseDown(int x, int y, int button) {
    const int bit = ButtonBit(button);
    if (bit != 0 && (_held & bit) == 0) {
        if (_held == 0) {
            _history.BeginStep(*this);
        }
        _held |= bit;
    }
    KCanvasPane::OnMouseDown(x, y, button);
    if (button == LeftButton && editMode == MovePoint && pickIndex >= 0 && pickIndex < pointCount &&
        pointPicked) {
        pointPicked(pickIndex);
    }
}

void KGestureCanvas::ClearCanvas(int keepPoints) {
    KCanvasPane::ClearCanvas(keepPoints);
    if (drawingShown) {
        drawingShown();
    }
}

void KGestureCanvas::OnMouseUp(int x, int y, int button) {
    KCanvasPane::OnMouseUp(x, y, button);
    Released(ButtonBit(button));
}

// The window reports plain motion only while no button it passed on is held; a release lost on
// the way must not leave the gesture open, or the window could never undo again.
void KGestureCanvas::OnMouseMotion(int x, int y) {
    KCanvasPane::OnMouseMotion(x, y);
    Released(_held);
}

void KGestureCanvas::Released(int bits) {
    if ((_held & bits) == 0) {
        return;
    }
    _held &= ~bits;
    if (_held == 0) {
        _history.EndStep(*this);
        if (drawingShown) {
            drawingShown();
        }
    }
}
