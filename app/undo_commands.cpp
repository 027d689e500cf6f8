// The drawing window's keys: undo and redo through the window's history, the clipboard and the
// point table.
#include "app/KryCmdWindow.h"
#include "dialogs/KryDialog.h"
#include "model/KCanvasPane.h"
#include "toolkit/CommandIds.h"

namespace {

// Control with a letter arrives as that letter's control character; F1 to F16 arrive as
// 0xFFC1 to 0xFFD0.
constexpr int CtrlC = 'C' - '@';
constexpr int CtrlV = 'V' - '@';
constexpr int CtrlY = 'Y' - '@';
constexpr int CtrlZ = 'Z' - '@';
constexpr int KeyF6 = 0xFFC6;

}  // namespace

void KryCmdWindow::OnWindowKey(int key, int modifiers) {
    switch (key) {
        case CtrlZ:
            TravelHistory((modifiers & ModShift) == 0);
            return;
        case CtrlY:
            TravelHistory(false);
            return;
        case CtrlC:
            CopyAsPovray();
            return;
        case CtrlV:
            PasteFromClipboard();
            TableFollows();
            return;
        case KeyF6:
            TogglePointTable();
            return;
        default:
            vCmdWindow::OnWindowKey(key, modifiers);
            return;
    }
}

// What the last press picked may not exist in the drawing put back, so the gesture starts
// afresh, as after choosing a mode. The cursor fields keep the cursor's place.
void KryCmdWindow::TravelHistory(bool back) {
    if (!(back ? history.Undo(*canvas) : history.Redo(*canvas))) {
        return;
    }
    canvas->ResetGesture();
    if (history.KindTravelled()) {
        prismDialog->SetPrismValues(canvas->GetPrismValues());
        UpdateModeDisplay();
    }
    ShowDrawing();
    TableFollows();
}
