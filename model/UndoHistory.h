#pragma once

#include <cstddef>
#include <deque>
#include <memory>

#include "model/DrawingSnapshot.h"

// A window's undo and redo steps. Each step is the whole drawing as it was before one user
// action, so a step costs one snapshot. The history also remembers the drawing last saved or
// read, so that undoing back to it can tell the window there is nothing left to save.
class UndoHistory {
public:
    static constexpr size_t MaxSteps = 100;

    // Records one action that turned `before` into `after`; an action that changed nothing is no
    // step. A new step drops the steps that could be redone. True when it made a step.
    bool Record(const DrawingSnapshot& before, const DrawingSnapshot& after);
    // Replace `current` by the drawing one step back (or forward); false when there is none.
    // `current` comes with the kind it is shown in; it keeps that kind on the other stack only
    // when the drawing put back has a kind too.
    bool Undo(DrawingSnapshot& current);
    bool Redo(DrawingSnapshot& current);
    // A file was read into the window: nothing from before it can be undone.
    void Clear();

    void MarkSaved(const DrawingSnapshot& drawing);
    bool IsSaved(const DrawingSnapshot& drawing) const;

    size_t UndoSteps() const { return _undo.size(); }
    size_t RedoSteps() const { return _redo.size(); }

private:
    using Steps = std::deque<std::unique_ptr<DrawingSnapshot>>;
    static bool Step(Steps& from, Steps& to, DrawingSnapshot& current);

    Steps _undo;
    Steps _redo;
    std::unique_ptr<DrawingSnapshot> _saved = std::make_unique<DrawingSnapshot>();
};
