#include "model/UndoHistory.h"

#include <utility>

bool UndoHistory::Record(const DrawingSnapshot& before, const DrawingSnapshot& after) {
    if (before == after) {
        return false;
    }
    _redo.clear();
    if (_undo.size() == MaxSteps) {
        _undo.pop_front();
    }
    _undo.push_back(std::make_unique<DrawingSnapshot>(before));
    return true;
}

bool UndoHistory::Undo(DrawingSnapshot& current) {
    return Step(_undo, _redo, current);
}

bool UndoHistory::Redo(DrawingSnapshot& current) {
    return Step(_redo, _undo, current);
}

// The step taken off `from` becomes the drawing; the drawing it replaces goes onto `to`, reusing
// the step's storage, so undoing and redoing never allocate.
bool UndoHistory::Step(Steps& from, Steps& to, DrawingSnapshot& current) {
    if (from.empty()) {
        return false;
    }
    std::unique_ptr<DrawingSnapshot> step = std::move(from.back());
    from.pop_back();
    std::swap(*step, current);
    // A kind travels only with the steps that changed it.
    if (!current.withKind) {
        step->withKind = false;
    }
    to.push_back(std::move(step));
    return true;
}

void UndoHistory::Clear() {
    _undo.clear();
    _redo.clear();
}

void UndoHistory::MarkSaved(const DrawingSnapshot& drawing) {
    *_saved = drawing;
}

bool UndoHistory::IsSaved(const DrawingSnapshot& drawing) const {
    return *_saved == drawing;
}
