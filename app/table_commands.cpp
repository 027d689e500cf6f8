// The point table of the drawing windows: one window beside the frame that shows the active
// drawing window's entries.
#include <optional>

#include "app/CommandId.h"
#include "app/KryApp.h"
#include "app/KryCmdWindow.h"
#include "model/KCanvasPane.h"

void KryCmdWindow::TogglePointTable() {
    PointTableWindow* table = KryApp::Table();
    if (table == nullptr || !table->Toggle(*this)) {
        Notify("The point table cannot be shown.");
    }
    RefreshTableItem();
}

void KryCmdWindow::ShowInPointTable() {
    if (PointTableWindow* table = KryApp::Table()) {
        table->Follow(*this);
    }
    RefreshTableItem();
}

// The menu tables are shared between windows, and the table between them too: the active
// window's item is ticked while the table is open.
void KryCmdWindow::RefreshTableItem() {
    const PointTableWindow* table = KryApp::Table();
    SetControlValue(Cmd::PointTable, table != nullptr && table->IsOpen() ? 1 : 0, AspectValue);
}

void KryCmdWindow::TableFollows() {
    if (PointTableWindow* table = KryApp::Table()) {
        table->Refresh(*this);
    }
}

void KryCmdWindow::ShowDrawing() {
    Repaint();
    ShowCounts();
}

// A change made while a mouse button is held is part of the gesture's step, which is recorded
// only when the button is let go: whether the drawing changed is seen from the drawing itself,
// or a window could be closed without asking about it. What the selection chose may lie
// elsewhere after the change.
bool KryCmdWindow::ChangeDrawing(const std::function<bool(KCanvasPane&)>& change) {
    if (!canvas->Selected().Empty()) {
        canvas->ClearSelection();
    }
    const bool inGesture = history.InStep();
    const std::optional<Drawing> before =
        inGesture ? std::optional<Drawing>(canvas->Model()) : std::nullopt;
    history.BeginStep(*canvas);
    const bool done = change(*canvas);
    const bool recorded = history.EndStep(*canvas);
    const bool changed = recorded || (before && !SameParts(*before, canvas->Model()));
    if (changed) {
        canvas->SetChanged(true);
    }
    if (done) {
        ShowDrawing();
    }
    return changed;
}
