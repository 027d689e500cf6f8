// Undo and redo through the window's history, and the Edit items that offer them.
#include "app/CommandId.h"
#include "app/KryCmdWindow.h"
#include "model/KCanvasPane.h"
#include "toolkit/CommandIds.h"

// What the last press picked may not exist in the drawing put back, so the gesture starts
// afresh, as after choosing a mode. The cursor fields keep the cursor's place.
void KryCmdWindow::TravelHistory(bool back) {
    if (!(back ? history.Undo(*canvas) : history.Redo(*canvas))) {
        return;
    }
    canvas->ResetGesture();
    Repaint();
    ShowCounts();
}

void KryCmdWindow::UndoCommand() {
    TravelHistory(true);
}

void KryCmdWindow::RedoCommand() {
    TravelHistory(false);
}

void KryCmdWindow::RefreshEditItems() {
    SetControlValue(Cmd::Undo, history.Steps().UndoSteps() > 0 ? 1 : 0, AspectEnabled);
    SetControlValue(Cmd::Redo, history.Steps().RedoSteps() > 0 ? 1 : 0, AspectEnabled);
}
