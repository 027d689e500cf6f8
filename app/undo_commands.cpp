// The drawing window's keys: undo and redo through the window's history.
#include "app/KryCmdWindow.h"
#include "model/KCanvasPane.h"
#include "toolkit/CommandIds.h"

namespace {

// Control with a letter arrives as that letter's control character.
constexpr int CtrlY = 'Y' - '@';
constexpr int CtrlZ = 'Z' - '@';

}  // namespace

void KryCmdWindow::OnWindowKey(int key, int modifiers) {
    switch (key) {
        case CtrlZ:
            TravelHistory((modifiers & ModShift) == 0);
            return;
        case CtrlY:
            TravelHistory(false);
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
    Repaint();
    ShowCounts();
}
