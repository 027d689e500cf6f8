// Edit > Trace picture...: the background picture's ink traced by potrace and added as sets
// where the picture lies, shown on the canvas while the values are chosen, one undo step on OK.
#include <optional>
#include <string>
#include <utility>

#include "app/KryCmdWindow.h"
#include "dialogs/TraceDialog.h"
#include "interchange/OutlineAdding.h"
#include "interchange/OutlineGeometry.h"
#include "interchange/SvgImport.h"
#include "model/KCanvasPane.h"
#include "preview/PictureTracer.h"
#include "preview/ProgramSearch.h"

namespace {

constexpr const char* TraceProgram = "potrace";

// The traced outlines of the picture, carried to where it lies, added to the drawing.
SetsResult TracedSets(const Drawing& drawing, int kind, const TracedPicture& traced,
                      const TraceValues& values, const Affine2& pictureToModel) {
    if (!traced.Ok()) {
        return SetsResult::Refused(traced.message + ".");
    }
    Outline outline;
    ImportReport report;
    if (!ImportSvg(traced.svg, outline, report)) {
        return SetsResult::Refused(report.error + ".");
    }
    if (outline.sets.empty()) {
        return SetsResult::Refused("No ink at threshold " + std::to_string(values.threshold) +
                                   ": nothing to trace.");
    }
    MapOutline(outline, pictureToModel);
    return AddOutline(drawing, kind, std::move(outline), std::move(report));
}

// What the dialog says of a trace: what it adds, or why it adds nothing.
std::string Outcome(const SetsResult& result, const Drawing& before) {
    if (!result.ok) {
        return result.message;
    }
    const int sets = result.drawing.setCount - before.setCount;
    std::string text = std::to_string(sets) + (sets == 1 ? " set, " : " sets, ") +
                       std::to_string(result.drawing.pointCount - before.pointCount) + " entries";
    return text + (result.notes.empty() ? "." : " (notes on OK).");
}

// The background picture as the dialog found it, kept once another is taken in the dialog and
// put back when it is cancelled.
struct KeptBackground {
    PixelSurface picture;
    std::string name;
};

}  // namespace

void KryCmdWindow::TracePictureCommand() {
    const int kind = shapeKind;
    const std::string refusal = AddingRefusal(canvas->Model(), kind);
    if (!ProgramOnPath(TraceProgram) || !refusal.empty()) {
        Notify((refusal.empty() ? TraceProgramMissing(TraceProgram) + "." : refusal).c_str());
        return;
    }
    std::string name;
    if (!background.HasPicture() && !ChooseBackgroundFile(name)) {
        return;
    }
    const bool hidden = background.Hidden();
    std::optional<KeptBackground> kept;
    background.SetHidden(false);
    canvas->ResetGesture();
    const Drawing original = canvas->Model();
    const auto map = [this] {
        const PixelSurface& picture = background.Picture();
        return background.Placement().PictureToModel(picture.Width(), picture.Height());
    };
    TraceDialog* shown = nullptr;
    SetsResult latest = SetsResult::Refused("");
    std::optional<TraceValues> latestValues;
    PictureTracer tracer([&](const TraceValues& values, const TracedPicture& traced) {
        latest = TracedSets(original, kind, traced, values, map());
        latestValues = values;
        canvas->SetModel(latest.ok ? latest.drawing : original);
        ShowDrawing();
        shown->ShowOutcome(Outcome(latest, original));
    });
    tracer.SetPicture(background.Picture());
    TraceDialog::Hooks hooks;
    hooks.changed = [&](const TraceValues& values) { tracer.TraceSoon(values); };
    hooks.choosePicture = [&](std::string& chosen) {
        if (!kept) {
            kept = KeptBackground{background.Picture(), backgroundPicture};
        }
        if (!ChooseBackgroundFile(chosen)) {
            return false;
        }
        tracer.SetPicture(background.Picture());
        return true;
    };
    TraceDialog dialog(this, hooks);
    shown = &dialog;
    TraceValues values = traceValues;
    const bool ok = dialog.Choose(backgroundPicture, values);
    const bool current = !tracer.Busy() && latestValues == values;
    tracer.Stop();
    canvas->SetModel(original);
    ShowDrawing();
    background.SetHidden(hidden);
    if (!ok && kept && backgroundPicture != kept->name) {
        background.SetPicture(std::move(kept->picture));
        backgroundPicture = kept->name;
        WriteBackgroundSidecar();
    }
    RefreshBackgroundItems();
    Repaint();
    if (!ok) {
        return;
    }
    traceValues = values;
    TakeSetsResult(current ? latest
                           : TracedSets(original, kind,
                                        TracePicture(background.Picture(), values, TraceProgram),
                                        values, map()),
                   kind);
}
