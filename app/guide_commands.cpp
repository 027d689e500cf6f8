// The guides across a drawing window's canvas: typed in View > Guides..., dragged in Select
// mode, remembered in the drawing's sidecar beside its picture.
#include <cstdio>

#include "app/CommandId.h"
#include "app/KryCmdWindow.h"
#include "dialogs/GuidesDialog.h"
#include "model/KCanvasPane.h"

namespace {

constexpr int MeasureTextSize = 40;

}  // namespace

// The canvas shows the typed guides at once; Cancel brings back those it had.
void KryCmdWindow::GuidesCommand() {
    const GuideLines before = canvas->Guides();
    GuidesDialog dialog(this, before);
    dialog.changed = [this](const GuideLines& guides) { canvas->SetGuides(guides); };
    const bool ok = ClosedWithOk(dialog);
    canvas->SetGuides(ok ? dialog.guides : before);
    if (ok && dialog.guides != before) {
        WriteBackgroundSidecar();
    }
}

void KryCmdWindow::GuidesMoved() {
    WriteBackgroundSidecar();
}

void KryCmdWindow::ShowDragMeasure(double distance, double degrees) {
    char text[MeasureTextSize];
    std::snprintf(text, sizeof text, "%.4g at %.1f deg", distance, degrees);
    SetControlText(Cmd::ZoomField, text);
}
