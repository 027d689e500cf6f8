// Undo and redo through the window's history, and the Edit items that offer them.
#include "app/CommandId.h"
#include "app/KryCmdWindow.h"
#include "dialogs/KryDialog.h"
#include "model/KCanvasPane.h"
#include "toolkit/CommandIds.h"

// What the last press picked may not exist in the drawing put back, so the gesture starts
// afresh, as after choosing a mode. The cursor fields keep the cursor's place. The prism values
// dialog takes prism values put back, or saving would hand the undone ones over again.
void KryCmdWindow::TravelHistory(bool back) {
    const PrismValues before = canvas->GetPrismValues();
    if (!(back ? history.Undo(*canvas) : history.Redo(*canvas))) {
        return;
    }
    canvas->ResetGesture();
    if (history.KindTravelled() || canvas->GetPrismValues() != before) {
        prismDialog->SetPrismValues(canvas->GetPrismValues());
    }
    if (history.KindTravelled()) {
        UpdateModeDisplay();
    }
    ShowDrawing();
    TableFollows();
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
