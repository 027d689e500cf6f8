// The POV-Ray preview of a drawing window: beside the editor, which stays as it is.
#include <string>

#include "app/KryApp.h"
#include "app/KryCmdWindow.h"
#include "app/ProgramState.h"
#include "model/EditState.h"
#include "preview/PreviewScene.h"
#include "scenefile/SceneKind.h"

namespace {

// F1 to F16 arrive as 0xFFC1 to 0xFFD0.
constexpr int KeyF5 = 0xFFC5;

std::string PreviewTitle(const std::string& name) {
    return "POV-Ray preview: " + name;
}

}  // namespace

void KryApp::OnAppKey(vWindow* window, int key, int modifiers) {
    auto* drawing = dynamic_cast<KryCmdWindow*>(window);
    if (drawing != nullptr && key == KeyF5 && modifiers == 0) {
        drawing->ShowPovrayPreview();
        return;
    }
    vApp::OnAppKey(window, key, modifiers);
}

// A drawing without a name is first given its own kind as the file type, unless any file type
// is wanted; a named one is written with the type last chosen.
int KryCmdWindow::KindChoiceToWrite() const {
    const bool unnamed = fileName[0] == '\0' && fileFilterIndex != AnyFileFilter;
    return unnamed ? FilterOfKind(shapeKind) : fileFilterIndex;
}

void KryCmdWindow::PreviewTitleFollows() {
    preview.SetTitle(PreviewTitle(DrawingName()));
}

// The preview shows what Save would write now.
void KryCmdWindow::ShowPovrayPreview() {
    auto scene = [this] { return PreviewScene::Of(*canvas, fileName, KindChoiceToWrite()); };
    if (!preview.Open(PreviewTitle(DrawingName()), scene)) {
        Notify("The POV-Ray preview cannot be shown.");
    }
}
