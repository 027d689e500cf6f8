// The View menu: zoom and pan of the canvas, its proportions, the snap grid, and POV-Ray's
// curves; and the program options behind its check items, the same in every window.
#include <cstdio>

#include "app/CommandId.h"
#include "app/KryCmdWindow.h"
#include "app/ProgramOptions.h"
#include "dialogs/GridSpacingDialog.h"
#include "model/KCanvasPane.h"
#include "toolkit/CommandIds.h"

namespace {

constexpr int ZoomTextSize = 16;

}  // namespace

void KryCmdWindow::ZoomInCommand() {
    canvas->ZoomStep(true);
}

void KryCmdWindow::ZoomOutCommand() {
    canvas->ZoomStep(false);
}

void KryCmdWindow::WholeDrawingCommand() {
    canvas->FitWholeDrawing();
}

void KryCmdWindow::ActualSizeCommand() {
    canvas->SetView(CanvasView{});
}

void KryCmdWindow::KeepProportionsCommand() {
    ToggleOption(&CanvasOptions::keepProportions);
}

void KryCmdWindow::SnapCommand() {
    ToggleOption(&CanvasOptions::snapToGrid);
}

void KryCmdWindow::PovrayCurvesCommand() {
    ToggleOption(&CanvasOptions::exactCurves);
}

void KryCmdWindow::ToggleOption(bool CanvasOptions::*option) {
    CanvasOptions options = ProgramOptions::Current();
    options.*option = !(options.*option);
    ChangeOptions(options);
}

void KryCmdWindow::GridSpacingCommand() {
    GridSpacingDialog dialog(this, ProgramOptions::Current().gridSpacing);
    if (!ClosedWithOk(dialog)) {
        return;
    }
    CanvasOptions options = ProgramOptions::Current();
    options.gridSpacing = dialog.spacing;
    ChangeOptions(options);
}

// A file that cannot be written loses the options at the next start only: the windows take
// them now all the same, and standard error says why.
void KryCmdWindow::ChangeOptions(const CanvasOptions& options) {
    ProgramOptions::Change(options);
    for (vWindow* window : AllWindows()) {
        if (auto* drawing = dynamic_cast<KryCmdWindow*>(window)) {
            drawing->ApplyOptions();
        }
    }
}

void KryCmdWindow::ApplyOptions() {
    const CanvasOptions& options = ProgramOptions::Current();
    canvas->SetOptions(options);
    SetControlValue(Cmd::SnapToGrid, options.snapToGrid ? 1 : 0, AspectValue);
    SetControlValue(Cmd::PovrayCurves, options.exactCurves ? 1 : 0, AspectValue);
    SetControlValue(Cmd::KeepProportions, options.keepProportions ? 1 : 0, AspectValue);
}

void KryCmdWindow::OnWindowActivated() {
    RefreshEditItems();
    RefreshSelectItems();
    ApplyOptions();
    RefreshBackgroundItems();
    ShowInPointTable();
    OfferReload();
}

void KryCmdWindow::ShowZoom(double zoom) {
    char text[ZoomTextSize] = "";
    if (zoom != 1) {
        std::snprintf(text, sizeof text, "x%.3g", zoom);
    }
    SetControlText(Cmd::ZoomField, text);
}
