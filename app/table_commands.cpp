// The point table of the drawing windows: one window beside the frame that shows the active
// drawing window's entries.
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

// What the selection chose may lie elsewhere after a change made beside Select mode.
bool KryCmdWindow::ChangeDrawing(const std::function<bool(KCanvasPane&)>& change) {
    if (!canvas->Selected().Empty()) {
        canvas->ClearSelection();
    }
    history.BeginStep(*canvas);
    const bool done = change(*canvas);
    const bool changed = history.EndStep(*canvas);
    if (changed) {
        canvas->SetChanged(true);
    }
    if (done) {
        ShowDrawing();
    }
    return changed;
}
