#include <cmath>

#include "model/KCanvasPane.h"
#include "model/NodeHandles.h"

// Select mode: a press picks the point or handle under the cursor (Shift adds or removes it),
// a drag moves what is chosen, a drag from empty canvas draws a band that chooses the points
// inside it. Choosing is no change to the drawing.

namespace {

constexpr int ShiftHeld = 1;

Point2 Minus(const Point2& a, const Point2& b) {
    return {a.x - b.x, a.y - b.y};
}

}  // namespace

Affine2 KCanvasPane::ModelToPixels() const {
    return {ViewScaleX(), 0, 0, ViewScaleY(), ViewOriginX(), ViewOriginY()};
}

bool KCanvasPane::HandlesInSelect() const {
    return (shapeKind == Prism && CurveSpline() == BezierSpline) ||
           (shapeKind == Lathe && splineType == BezierSpline);
}

void KCanvasPane::PressSelect(int x, int y) {
    const bool adding = (MouseModifiers() & ShiftHeld) != 0;
    const std::optional<SelectedItem> item =
        ItemNear(drawing, ModelToPixels(), {x + 0.5, y + 0.5}, PickPixels, HandlesInSelect());
    _select = SelectGesture{};
    _select.pressed = {ModelX(x), ModelY(y)};
    if (item && adding) {
        selection.Toggle(*item);
    } else if (item) {
        if (!selection.Contains(*item)) {
            selection.Clear();
            selection.Add(*item);
        }
        _select.drag = SelectDrag::Move;
        _select.grabbed = ValueOf(drawing, *item);
    } else {
        if (!adding) {
            selection.Clear();
        }
        _select.drag = SelectDrag::Band;
        _select.fromX = _select.toX = x;
        _select.fromY = _select.toY = y;
        _select.base = selection;
    }
    RedrawOutline(true);
}

// The grabbed item goes where the cursor takes it, on the grid when snapping; everything
// chosen goes as far.
void KCanvasPane::DragSelect(int x, int y) {
    if (_select.drag == SelectDrag::Band) {
        _select.toX = x;
        _select.toY = y;
        selection = _select.base;
        selection.Add(PointsInside(drawing, {ModelX(_select.fromX), ModelY(_select.fromY)},
                                   {ModelX(x), ModelY(y)}));
        RedrawOutline(true);
        return;
    }
    if (_select.drag != SelectDrag::Move) {
        return;
    }
    const Point2 cursor = Minus({ModelX(x), ModelY(y)}, _select.pressed);
    const Point2 wanted =
        options.snapToGrid
            ? Minus(SnapToGrid({_select.grabbed.x + cursor.x, _select.grabbed.y + cursor.y}),
                    _select.grabbed)
            : MoveStep(cursor);
    const Point2 by = Minus(wanted, _select.moved);
    if ((by.x != 0 || by.y != 0) && MoveSelected(drawing, selection, by, HandlesInSelect())) {
        _select.moved = wanted;
        SetChanged(true);
    }
    RedrawOutline(true);
}

void KCanvasPane::ReleaseSelect(int x, int y) {
    DragSelect(x, y);
    _select.drag = SelectDrag::None;
    RedrawOutline(true);
    ReportStatusAt(x, y);
}

void KCanvasPane::SelectAll() {
    selection = AllPoints(drawing);
    RedrawOutline(true);
}

void KCanvasPane::ClearSelection() {
    selection.Clear();
    RedrawOutline(true);
}

bool KCanvasPane::NudgeSelection(int stepsX, int stepsY) {
    const double step = options.snapToGrid ? options.gridSpacing * ModelUnitsPerFileUnit : 1.0;
    const Point2 by{stepsX * (options.snapToGrid ? step : step / ViewScaleX()),
                    stepsY * (options.snapToGrid ? step : step / ViewScaleY())};
    const bool moved =
        !selection.Empty() && MoveSelected(drawing, selection, by, HandlesInSelect());
    if (moved) {
        SetChanged(true);
    }
    RedrawOutline(true);
    return moved;
}

DeletedPoints KCanvasPane::DeleteSelection() {
    const DeletedPoints deleted = DeleteSelected(drawing, selection);
    selection.Clear();
    if (deleted.points > 0) {
        SetChanged(true);
    }
    RedrawOutline(true);
    return deleted;
}

bool KCanvasPane::SetSelectedNodeType(NodeType type) {
    const bool changedTypes = SetNodeTypes(drawing, selection, type);
    if (changedTypes) {
        SetChanged(true);
    }
    RedrawOutline(true);
    return changedTypes;
}
