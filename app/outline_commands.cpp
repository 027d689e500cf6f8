// Edit > Combine, Offset... and Wall...: the drawing's sets remade by the model's outline
// operations, each as one undo step; the dialogs show their result on the canvas before OK.
#include <string>
#include <vector>

#include "app/KryCmdWindow.h"
#include "dialogs/DistanceDialog.h"
#include "model/KCanvasPane.h"
#include "model/ProfileWall.h"
#include "model/SelectionEditing.h"
#include "model/SetOperations.h"
#include "toolkit/vYNReplyDialog.h"

namespace {

constexpr const char* Joins[] = {"round", "miter", "square", nullptr};
constexpr const char* Sides[] = {"inside", "outside", nullptr};
constexpr const char* Lips[] = {"round", "flat", nullptr};

std::vector<const char*> Entries(const char* const* list) {
    std::vector<const char*> entries;
    do {
        entries.push_back(*list);
    } while (*list++ != nullptr);
    return entries;
}

}  // namespace

// The one place that decides which sets the outline commands work on: the sets of the points
// and handles chosen in Select mode, or, with none chosen (an empty list), every finished set.
std::vector<int> KryCmdWindow::SetsToOperateOn() const {
    return SetsOf(canvas->Model(), canvas->Selected());
}

void KryCmdWindow::CombineUnion() {
    Combine(RegionOperation::Union);
}

void KryCmdWindow::CombineDifference() {
    Combine(RegionOperation::Difference);
}

void KryCmdWindow::CombineIntersection() {
    Combine(RegionOperation::Intersection);
}

void KryCmdWindow::CombineXor() {
    Combine(RegionOperation::Xor);
}

void KryCmdWindow::Combine(RegionOperation operation) {
    TakeSetsResult(CombineSets(canvas->Model(), shapeKind, SetsToOperateOn(), operation),
                   shapeKind);
}

void KryCmdWindow::OffsetCommand() {
    DistanceDialog dialog(this, "Offset",
                          "Grow by, in file units (below 0 shrinks):", offsetDistance, false,
                          {{"Corners:", Entries(Joins)}});
    const std::vector<int> sets = SetsToOperateOn();
    const int kind = shapeKind;
    if (RunPreviewed(dialog, dialog.changed, kind, [&](const Drawing& drawing) {
            return OffsetSets(drawing, kind, sets, dialog.distance,
                              static_cast<OffsetJoin>(dialog.chosen[0]));
        })) {
        offsetDistance = dialog.distance;
    }
}

// A sor's heights must rise, so its wall is made a lathe, when the user agrees.
void KryCmdWindow::WallCommand() {
    int kind = shapeKind;
    if (kind == Sor) {
        vYNReplyDialog ask(this, "Yes or No");
        if (ask.AskYesNo("A sor cannot hold a closed wall: its heights must rise.\n\n"
                         "Make the walled profile a lathe?") != 1) {
            return;
        }
        kind = Lathe;
    }
    DistanceDialog dialog(this, "Wall", "Thickness in file units:", wallThickness, true,
                          {{"Side:", Entries(Sides)}, {"Lip:", Entries(Lips)}});
    const std::vector<int> sets = SetsToOperateOn();
    if (RunPreviewed(dialog, dialog.changed, kind, [&](const Drawing& drawing) {
            return WallProfiles(drawing, kind, sets,
                                {dialog.distance, static_cast<WallSide>(dialog.chosen[0]),
                                 static_cast<LipShape>(dialog.chosen[1])});
        })) {
        wallThickness = dialog.distance;
    }
}

// While the dialog is open the canvas shows the result of its values (the drawing as it was
// where they give none, the dialog told why); it is the drawing as it was again when the dialog
// closes, and OK makes the result one undo step.
bool KryCmdWindow::RunPreviewed(vModalDialog& dialog, std::function<std::string()>& changed,
                                int kind, const PreviewedOperation& operation) {
    // The sets change under any gesture in progress, which must not go on with what it picked.
    canvas->ResetGesture();
    const Drawing original = canvas->Model();
    changed = [&] {
        const SetsResult result = operation(original);
        canvas->SetModel(result.ok ? result.drawing : original);
        ShowDrawing();
        return result.ok ? std::string() : result.message;
    };
    const bool ok = ClosedWithOk(dialog);
    changed = nullptr;
    canvas->SetModel(original);
    ShowDrawing();
    return ok && TakeSetsResult(operation(original), kind);
}

// The result becomes the drawing, as the kind; what was changed beside it, and how far fitted
// curves lie from the exact result, is told.
bool KryCmdWindow::TakeSetsResult(const SetsResult& result, int kind) {
    if (!result.ok) {
        Notify(result.message.c_str());
        return false;
    }
    canvas->ResetGesture();
    ChangeDrawing([&](KCanvasPane& drawing) {
        if (kind != shapeKind) {
            history.KindChanging(shapeKind);
            shapeKind = kind;
        }
        drawing.SetModel(result.drawing);
        return true;
    });
    UpdateModeDisplay();
    if (!result.notes.empty()) {
        std::string notes;
        for (const std::string& note : result.notes) {
            notes += (notes.empty() ? "" : "\n") + note;
        }
        Notify(notes.c_str());
    }
    return true;
}
