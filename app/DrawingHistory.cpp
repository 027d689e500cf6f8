#include "app/DrawingHistory.h"

#include "model/EditState.h"
#include "model/KCanvasPane.h"

DrawingHistory::Step::Step(DrawingHistory& history, const KCanvasPane& canvas)
    : _history(history), _canvas(canvas) {
    _history.BeginStep(_canvas);
}

DrawingHistory::Step::~Step() {
    _history.EndStep(_canvas);
}

// The drawing before an action is kept in one buffer made once, so beginning a step (every
// mouse press) never allocates.
DrawingHistory::DrawingHistory() : _before(std::make_unique<DrawingSnapshot>()) {}

void DrawingHistory::BeginStep(const KCanvasPane& canvas) {
    if (_depth++ == 0) {
        *_before = DrawingSnapshot::Of(canvas);
    }
}

void DrawingHistory::KindChanging(int before) {
    if (_depth > 0) {
        _before->kind = static_cast<ShapeKind>(before);
        _before->withKind = true;
    }
}

bool DrawingHistory::EndStep(const KCanvasPane& canvas) {
    if (_depth == 0 || --_depth > 0) {
        return false;
    }
    const bool recorded = _steps.Record(*_before, DrawingSnapshot::Of(canvas));
    StepsChanged();
    return recorded;
}

bool DrawingHistory::Undo(KCanvasPane& canvas) {
    return Travel(canvas, true);
}

bool DrawingHistory::Redo(KCanvasPane& canvas) {
    return Travel(canvas, false);
}

bool DrawingHistory::Travel(KCanvasPane& canvas, bool back) {
    if (InStep()) {
        return false;
    }
    DrawingSnapshot drawing = DrawingSnapshot::Of(canvas);
    drawing.kind = static_cast<ShapeKind>(shapeKind);
    drawing.withKind = true;
    if (!(back ? _steps.Undo(drawing) : _steps.Redo(drawing))) {
        return false;
    }
    drawing.RestoreInto(canvas);
    _kindTravelled = drawing.withKind;
    if (_kindTravelled) {
        shapeKind = drawing.kind;
    }
    canvas.SetChanged(!_steps.IsSaved(drawing));
    StepsChanged();
    return true;
}

void DrawingHistory::Saved(const KCanvasPane& canvas) {
    _steps.MarkSaved(DrawingSnapshot::Of(canvas));
}

void DrawingHistory::FileRead(const KCanvasPane& canvas) {
    _steps.Clear();
    Saved(canvas);
    StepsChanged();
}
