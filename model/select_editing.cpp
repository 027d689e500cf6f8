#include <cmath>
#include <utility>
#include <vector>

#include "model/DrawingEntries.h"
#include "model/KCanvasPane.h"
#include "model/NodeHandles.h"

// Select mode: a press picks the point or handle under the cursor (Shift adds or removes it),
// a drag moves what is chosen, a drag from empty canvas draws a band that chooses the points
// inside it. Choosing is no change to the drawing.

namespace {

constexpr int ShiftHeld = 1;
constexpr int ControlHeld = 4;
constexpr double Pi = 3.141592653589793;
// Ctrl keeps a drag to multiples of this angle.
constexpr double AngleStep = Pi / 12;

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
        _select.targets = MovingTargets(*item);
    } else if (!adding && GuideNear(x, y, _select.horizontalGuide, _select.guide)) {
        _select.drag = SelectDrag::Guide;
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
    if (_select.drag == SelectDrag::Guide) {
        DragGuide(x, y, false);
        return;
    }
    if (_select.drag != SelectDrag::Move) {
        return;
    }
    const Point2 wanted = SelectMoveFor(Minus({ModelX(x), ModelY(y)}, _select.pressed));
    const Point2 by = Minus(wanted, _select.moved);
    if ((by.x != 0 || by.y != 0) && MoveSelected(drawing, selection, by, HandlesInSelect())) {
        _select.moved = wanted;
        SetChanged(true);
    }
    RedrawOutline(true);
    if (ownerWindow != nullptr) {
        const Point2 file{_select.moved.x / ModelUnitsPerFileUnit,
                          -_select.moved.y / ModelUnitsPerFileUnit};
        ownerWindow->ShowDragMeasure(std::hypot(file.x, file.y),
                                     std::atan2(file.y, file.x) * 180 / Pi);
    }
}

Point2 KCanvasPane::SelectMoveFor(const Point2& cursor) const {
    if ((MouseModifiers() & ControlHeld) != 0) {
        // In the drawing's own units, where the angles are those of the file: the cursor's
        // offset projected on the nearest allowed direction.
        const double angle = std::round(std::atan2(cursor.y, cursor.x) / AngleStep) * AngleStep;
        const double along = cursor.x * std::cos(angle) + cursor.y * std::sin(angle);
        return {along * std::cos(angle), along * std::sin(angle)};
    }
    if (!options.snapToGrid) {
        return MoveStep(cursor);
    }
    const Point2 to{_select.grabbed.x + cursor.x, _select.grabbed.y + cursor.y};
    return Minus(SnapToPoint(to, _select.targets), _select.grabbed);
}

// The chosen points with their closing repeats move; a grabbed point never lands on its own
// set's first point.
KCanvasPane::PointTargets KCanvasPane::MovingTargets(const SelectedItem& grabbed) const {
    std::vector<bool> moving(static_cast<size_t>(MaxPoints), false);
    for (const SelectedItem& item : selection.Items()) {
        const EntrySpan span = SpanOf(drawing, item.index);
        if (item.part != EntryPart::Point || span.end == 0) {
            continue;
        }
        moving[static_cast<size_t>(item.index)] = true;
        if (span.finished && item.index == span.first) {
            moving[static_cast<size_t>(span.end - 1)] = true;
        }
    }
    return OtherPoints(grabbed.part == EntryPart::Point ? grabbed.index : MaxPoints,
                       std::move(moving));
}

void KCanvasPane::ReleaseSelect(int x, int y) {
    if (_select.drag == SelectDrag::Guide) {
        DragGuide(x, y, true);
    } else {
        DragSelect(x, y);
    }
    const bool measured = _select.drag == SelectDrag::Move;
    _select.drag = SelectDrag::None;
    RedrawOutline(true);
    ReportStatusAt(x, y);
    if (measured) {
        ShowZoom();
    }
}

bool KCanvasPane::GuideNear(int x, int y, bool& horizontal, int& index) const {
    const struct {
        bool horizontal;
        const std::vector<double>& positions;
    } directions[] = {{true, guides.horizontal}, {false, guides.vertical}};
    for (const auto& direction : directions) {
        for (size_t k = 0; k < direction.positions.size(); ++k) {
            const double position = direction.positions[k] * ModelUnitsPerFileUnit;
            const double gap = direction.horizontal ? PixelY(-position) - y : PixelX(position) - x;
            if (std::fabs(gap) <= PickPixels) {
                horizontal = direction.horizontal;
                index = static_cast<int>(k);
                return true;
            }
        }
    }
    return false;
}

// The guide follows the cursor; let go beyond the canvas, it goes.
void KCanvasPane::DragGuide(int x, int y, bool released) {
    std::vector<double>& positions = _select.horizontalGuide ? guides.horizontal : guides.vertical;
    if (_select.guide < 0 || static_cast<size_t>(_select.guide) >= positions.size()) {
        return;
    }
    const auto at = positions.begin() + _select.guide;
    const bool outside = x < 0 || y < 0 || x > 2 * originX || y > 2 * originY;
    const double file = _select.horizontalGuide ? FileY(ModelY(y)) : FileX(ModelX(x));
    if (released && outside) {
        positions.erase(at);
    } else if (std::isfinite(file)) {
        *at = file;
    }
    RedrawOutline(true);
    if (released && ownerWindow != nullptr) {
        ownerWindow->GuidesMoved();
    }
}

void KCanvasPane::SelectAll() {
    selection = AllPoints(drawing);
    RedrawOutline(true);
}

void KCanvasPane::ClearSelection() {
    selection.Clear();
    RedrawOutline(true);
}

void KCanvasPane::SetSelection(const Selection& chosen) {
    selection = chosen;
    selection.KeepWithin(pointCount);
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
