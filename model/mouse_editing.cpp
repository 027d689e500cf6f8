#include "model/KCanvasPane.h"

// The four mouse hooks and the dispatch by edit mode, with Add Point and its rubber band.

namespace {

// Middle presses and releases (button 2) are ignored; only the move hook reports them.
enum MouseButton { LeftButton = 1, RightButton = 3 };

}  // namespace

void KCanvasPane::OnMouseDown(int x, int y, int button) {
    if (button != LeftButton) {
        StartPan(x, y, button);
        return;
    }
    // Choosing in Select mode is no change; a gesture of any other mode may move entries to
    // other places, so what was chosen goes.
    if (editMode == SelectPoints) {
        buttonHeld = 1;
        if (HasArea()) {
            PressSelect(x, y);
        }
        return;
    }
    selection.Clear();
    SetChanged(true);
    buttonHeld = 1;
    if (HasArea()) {
        PressInMode(x, y);
    }
}

void KCanvasPane::OnMouseMove(int x, int y, int button) {
    ReportStatusAt(x, y);
    if (DragPan(x, y, button) || button != LeftButton || !HasArea()) {
        return;
    }
    // A chosen control item stays grabbed even when the polygon command has turned CONTROL Set
    // into the curve view without resetting it.
    if (editMode == ControlSet || controlState == 1) {
        DragControlItem(x, y);
        return;
    }
    DragInMode(x, y);
}

void KCanvasPane::OnMouseUp(int x, int y, int button) {
    if (button == LeftButton) {
        buttonHeld = 0;
    }
    StartPan(-1, -1, 0);
    if (!HasArea()) {
        return;
    }
    if (button == LeftButton) {
        ReleaseInMode(x, y);
    } else if (button == RightButton) {
        RightRelease(x, y);
    }
}

void KCanvasPane::OnMouseMotion(int x, int y) {
    ReportStatusAt(x, y);
    if (ownerWindow != nullptr) {
        ownerWindow->ShowRuleBreak(BrokenRuleAt(x, y));
    }
}

void KCanvasPane::ReportStatusAt(int x, int y) {
    double statusX = 0;
    double statusY = 0;
    StatusPosition(x, y, statusX, statusY);
    ReportStatus(statusX, statusY);
}

void KCanvasPane::PressInMode(int x, int y) {
    switch (editMode) {
        case AddPoint:
            PressAddPoint(x, y);
            break;
        case InsertPoint: {
            int nearest = PickPoint(x, y);
            int set = nearest >= 0 ? FindSetOf(nearest) : -1;
            if (set >= 1 && pointCount <= MaxPoints - 2) {
                InsertPointAt(nearest, set, x, y);
            }
            break;
        }
        case MovePoint:
        case MoveSet:
        case MoveAll:
            PressWithAnchor(x, y);
            break;
        case DeletePoint:
            PressDeletePoint(x, y);
            break;
        case DeleteSet:
            PressDeleteSet(x, y);
            break;
        case RotateSet:
        case ScaleSet:
            PivotPoint() = PickPoint(x, y);
            if (PivotPoint() >= 0) {
                FindSetCentre();
            }
            break;
        case RotateAll:
            PivotPoint() = PickPoint(x, y);
            break;
        case ScaleAll:
            PickedPoint() = PickPoint(x, y);
            break;
        case CopySet:
        case CopyAll:
            PressCopy(x, y);
            break;
        case FlipSet:
            PressFlipSet(x, y);
            break;
        case ControlSet:
            PressControlSet(x, y);
            break;
        case ControlView:
            DrawAllCurves();
            break;
        default:
            break;
    }
}

void KCanvasPane::DragInMode(int x, int y) {
    switch (editMode) {
        case AddPoint:
            DragRubberBand(x, y);
            break;
        case MovePoint:
        case MoveSet:
        case MoveAll:
            DragMove(x, y);
            break;
        case RotateSet:
        case RotateAll:
            DragRotate(x, y);
            break;
        case ScaleAll:
        case ScaleSet:
            DragScale(x, y);
            break;
        case SelectPoints:
            DragSelect(x, y);
            break;
        default:
            break;
    }
}

void KCanvasPane::ReleaseInMode(int x, int y) {
    switch (editMode) {
        case AddPoint:
            ReleaseAddPoint(x, y);
            break;
        case ControlSet:
            // Only a chosen set can be confirmed: a press that chose nothing (a linear drawing,
            // an open set) leaves no set whose curve the canvas could show.
            if (SetChosen()) {
                controlState = 1;
            }
            break;
        case SelectPoints:
            ReleaseSelect(x, y);
            break;
        default:
            if (editMode > AddPoint && editMode <= ControlView) {
                RedrawOutline(true);
            }
            break;
    }
}

void KCanvasPane::RightRelease(int x, int y) {
    switch (editMode) {
        case AddPoint:
        case CopySet:
        case CopyAll: {
            bool added = editMode == AddPoint ? CloseOpenSet() : CopyPicked(x, y);
            // The left press that marks a change may have come before the last save.
            if (added) {
                SetChanged(true);
                RedrawOutline(true);
                ReportStatusAt(x, y);
            }
            break;
        }
        case ControlSet:
            controlState = 0;
            RedrawOutline(true);
            ReportStatusAt(x, y);
            break;
        case FlipSet:
        case ControlView:
            buttonHeld = 0;
            break;
        default:
            break;
    }
}

void KCanvasPane::PressAddPoint(int x, int y) {
    bandToX = x;
    bandToY = y;
    if (HasOpenSet()) {
        const Point2& last = points[pointCount - 1];
        bandFromX = PixelX(last.x);
        bandFromY = PixelY(last.y);
        return;
    }
    if (pointCount < MaxPoints) {
        points[pointCount] = PlacedAt(x, y, false, OtherPoints(pointCount));
        ++pointCount;
    }
    bandFromX = x;
    bandFromY = y;
}

void KCanvasPane::DragRubberBand(int x, int y) {
    if (bandFromX != bandToX || bandFromY != bandToY) {
        RedrawOutline(true);
    }
    if (x != bandFromX || y != bandFromY) {
        XorLine(x, y, bandFromX, bandFromY);
    }
    bandToX = x;
    bandToY = y;
}

// The left press marks the change, but a save or Clear may have come between it and this
// release, and a press that only brought the window to the front never reached the canvas:
// the point added here is a change of its own.
void KCanvasPane::ReleaseAddPoint(int x, int y) {
    if (x == bandFromX && y == bandFromY) {
        return;
    }
    const Point2 placed = PlacedAt(x, y, false, OtherPoints(pointCount));
    // A snapped release onto the grid point just placed would repeat it.
    const bool repeats = !OwnArithmetic() && HasOpenSet() && placed.x == points[pointCount - 1].x &&
                         placed.y == points[pointCount - 1].y;
    if (pointCount < MaxPoints && !repeats) {
        points[pointCount] = placed;
        ++pointCount;
        changed = 1;
    }
    RedrawOutline(true);
    bandToX = -1;
    bandToY = -1;
    ReportStatusAt(x, y);
}

bool KCanvasPane::CloseOpenSet() {
    int first = setEnds[setCount];
    if (pointCount - first < 3 || pointCount >= MaxPoints) {
        return false;
    }
    points[pointCount] = points[first];
    InitBezierHandles();
    ++pointCount;
    // The set-end table is full at MaxSets: the newest outline then joins the last set.
    if (setCount < MaxSets) {
        ++setCount;
    }
    setEnds[setCount] = pointCount;
    return true;
}
