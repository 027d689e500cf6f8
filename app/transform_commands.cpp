// Edit > Transform...: a typed move, turn, scale and mirror of the chosen points, or of the whole
// drawing when none is chosen, shown on the canvas while it is typed and made one undo step.
#include "app/KryCmdWindow.h"
#include "dialogs/TransformDialog.h"
#include "model/KCanvasPane.h"

namespace {

// The drawing transformed, or none when a value would not be finite.
std::optional<Drawing> Transformed(const Drawing& original, const Selection& chosen,
                                   const TypedTransform& transform, bool withHandles) {
    Drawing drawing = original;
    if (!ApplyTypedTransform(drawing, chosen, transform, withHandles)) {
        return std::nullopt;
    }
    return drawing;
}

}  // namespace

void KryCmdWindow::TransformCommand() {
    // The points change under any gesture in progress, which must not go on with what it picked.
    canvas->ResetGesture();
    const Drawing original = canvas->Model();
    const Selection chosen = canvas->Selected();
    const bool withHandles = canvas->HandlesInSelect();
    const auto show = [&](const Drawing& drawing) {
        canvas->SetModel(drawing);
        canvas->SetSelection(chosen);
        ShowDrawing();
    };
    TransformDialog dialog(this, lastTransform, !chosen.Empty());
    dialog.changed = [&](const TypedTransform& transform) {
        show(Transformed(original, chosen, transform, withHandles).value_or(original));
    };
    const bool ok = ClosedWithOk(dialog);
    show(original);
    if (!ok) {
        return;
    }
    lastTransform = dialog.transform;
    const std::optional<Drawing> result =
        Transformed(original, chosen, dialog.transform, withHandles);
    if (!result) {
        Notify(
            "The transform would take points beyond the numbers a drawing can hold: "
            "nothing changed.");
        return;
    }
    ChangeDrawing([&](KCanvasPane& drawing) {
        drawing.SetModel(*result);
        drawing.SetSelection(chosen);
        return true;
    });
}
