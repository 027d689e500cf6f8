// The drawing through the clipboard: copied as POV-Ray text and as SVG, pasted from any text the
// importer takes.
#include <string>

#include "app/CommandId.h"
#include "app/KryCmdWindow.h"
#include "dialogs/KryDialog.h"
#include "interchange/PastedDrawing.h"
#include "interchange/SvgExport.h"
#include "model/EditState.h"
#include "model/KCanvasPane.h"
#include "toolkit/platform/vClipboardPlatform.h"

namespace {

constexpr const char* PlainText = "text/plain";
constexpr const char* SvgImage = "image/svg+xml";

}  // namespace

// The text is what Save would write, by the rule the preview follows for its drawing file; a
// vector program takes the SVG instead. What the writer refuses is not copied either.
void KryCmdWindow::CopyAsPovray() {
    vClipboardPlatform* clipboard = vClipboardPlatform::Current();
    if (clipboard == nullptr) {
        Notify("There is no clipboard to copy to.");
        return;
    }
    std::string text;
    std::string refusal;
    int kind = shapeKind;
    if (!canvas->SceneFileText(fileName, KindChoiceToWrite(), text, kind, &refusal)) {
        Notify(("The drawing cannot be copied: " + refusal).c_str());
        return;
    }
    clipboard->SetClipboard({{PlainText, text}, {SvgImage, SvgDocumentText(*canvas)}});
    SetControlValueAll(Cmd::Paste, 1, AspectEnabled);
}

// Into an empty drawing the paste also brings the pasted object's kind and prism values, as
// opening its file would; undoing the paste takes them back.
void KryCmdWindow::PasteFromClipboard() {
    vClipboardPlatform* clipboard = vClipboardPlatform::Current();
    std::string text;
    if (clipboard == nullptr || !clipboard->ClipboardData({PlainText, SvgImage}, text)) {
        Notify("The clipboard holds no text to paste.");
        return;
    }
    const bool empty = canvas->pointCount == 0;
    PastedDrawing pasted;
    std::string why;
    if (!pasted.Read(text, shapeKind, canvas->splineType, empty, why)) {
        Notify(why.c_str());
        return;
    }
    AddPasted(pasted, empty && pasted.declared, "Pasted, with changes to fit the drawing:");
}

bool KryCmdWindow::AddPasted(const PastedDrawing& pasted, bool takeKind, const char* heading) {
    std::string why;
    const bool added = ChangeDrawing([&](KCanvasPane& drawing) {
        if (!pasted.AddTo(drawing, why)) {
            return false;
        }
        if (takeKind) {
            history.KindChanging(shapeKind);
            shapeKind = pasted.kind;
            drawing.SetPrismValues(PrismValues::Of(pasted.sets));
        }
        return true;
    });
    if (!added) {
        Notify(why.c_str());
        return false;
    }
    if (takeKind) {
        prismDialog->SetPrismValues(canvas->GetPrismValues());
        UpdateModeDisplay();
    }
    if (!pasted.notes.empty()) {
        std::string notes = heading;
        for (const std::string& note : pasted.notes) {
            notes += "\n- " + note;
        }
        Notify(notes.c_str());
    }
    return true;
}
