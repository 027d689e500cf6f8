#pragma once

#include <functional>
#include <memory>

#include "model/DrawingSnapshot.h"
#include "model/UndoHistory.h"

class KCanvasPane;

// A drawing window's undo and redo. Every action that may change the drawing runs between
// BeginStep and EndStep and becomes one step when it did change it; an action begun inside
// another (a command while a mouse button is held) is part of the outer one.
class DrawingHistory {
public:
    // Brackets one action for the life of the object.
    class Step {
    public:
        Step(DrawingHistory& history, const KCanvasPane& canvas);
        ~Step();
        Step(const Step&) = delete;
        Step& operator=(const Step&) = delete;

    private:
        DrawingHistory& _history;
        const KCanvasPane& _canvas;
    };

    DrawingHistory();

    void BeginStep(const KCanvasPane& canvas);
    void EndStep(const KCanvasPane& canvas);
    bool InStep() const { return _depth > 0; }

    // Put the drawing one step back or forward; false, leaving it alone, when there is no such
    // step or an action is under way. The drawing counts as changed unless it is then the one
    // last saved or read.
    bool Undo(KCanvasPane& canvas);
    bool Redo(KCanvasPane& canvas);

    // The canvas's drawing was written to its file: undoing back to it leaves nothing to save.
    void Saved(const KCanvasPane& canvas);
    // A file was read into the canvas: nothing from before it can be undone.
    void FileRead(const KCanvasPane& canvas);

    const UndoHistory& Steps() const { return _steps; }
    // Called whenever what can be undone or redone may have changed.
    void OnStepsChanged(std::function<void()> listener) { _stepsChanged = std::move(listener); }

private:
    bool Travel(KCanvasPane& canvas, bool back);

    UndoHistory _steps;
    std::unique_ptr<DrawingSnapshot> _before;
    int _depth = 0;
    std::function<void()> _stepsChanged;
    void StepsChanged() const {
        if (_stepsChanged) {
            _stepsChanged();
        }
    }
};
