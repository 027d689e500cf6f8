// Edit > Convert spline: the drawing given another spline, its curve kept or its points kept.
#include <string>
#include <vector>

#include "app/KryCmdWindow.h"
#include "dialogs/ConvertSplineDialog.h"
#include "dialogs/KryDialog.h"
#include "model/KCanvasPane.h"
#include "model/SplineConversion.h"

namespace {

std::string Joined(const char* heading, const std::vector<std::string>& notes) {
    std::string text = heading;
    for (const std::string& note : notes) {
        text += "\n- " + note;
    }
    return text;
}

}  // namespace

void KryCmdWindow::ConvertSplineCommand() {
    const Drawing shown = canvas->AsShown();
    const auto kind = static_cast<ShapeKind>(shapeKind);
    if (kind != Prism && kind != Lathe) {
        Notify("Only a prism's or a lathe's spline can be converted.");
        return;
    }
    ConvertSplineDialog dialog(this, shown.splineType, DefaultTolerance(shown, kind));
    if (!ClosedWithOk(dialog) || dialog.spline == shown.splineType) {
        return;
    }
    Drawing converted = shown;
    converted.splineType = dialog.spline;
    std::vector<std::string> notes;
    if (dialog.keepShape) {
        SplineConversion conversion = ConvertSpline(shown, kind, dialog.spline, dialog.tolerance);
        if (!conversion.ok) {
            Notify(conversion.refusal.c_str());
            return;
        }
        converted = conversion.drawing;
        notes = conversion.notes;
    } else if (const std::string note = PlainConversionNote(shown, kind, dialog.spline);
               !note.empty()) {
        notes.push_back(note);
    }
    // The canvas keeps the kind of its own drawing; the window's is the program-wide one.
    converted.kind = canvas->Model().kind;
    ChangeDrawing([&](KCanvasPane& drawing) {
        drawing.SetModel(converted);
        drawing.SetPrismValues(PrismValues::Of(converted));
        return true;
    });
    prismDialog->SetPrismValues(canvas->GetPrismValues());
    if (!notes.empty()) {
        Notify(Joined("Spline converted:", notes).c_str());
    }
}
