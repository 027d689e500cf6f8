// POV-Ray scenes and SVG documents read into windows of their own, by the importer that
// vexlin-tool import uses.
#include <filesystem>
#include <string>
#include <vector>

#include "app/KryApp.h"
#include "app/KryCmdWindow.h"
#include "dialogs/ImportChoiceDialog.h"
#include "interchange/ImportSource.h"
#include "interchange/PastedDrawing.h"
#include "interchange/PovSceneImport.h"
#include "model/KCanvasPane.h"

namespace {

const char* const importFilters[] = {"*.pov;*.inc;*.svg", "*", nullptr};

std::string ChoiceText(const EvaluatedScene::Object& object) {
    const std::string which = !object.name.empty() ? object.name
                              : object.path.empty()
                                  ? "on line " + std::to_string(object.line)
                                  : "on line " + std::to_string(object.line) + " in " + object.path;
    return object.kind + " " + which + ", " + std::to_string(object.Points()) + " points";
}

// An object the scene never creates, listed so that the user sees why it cannot be taken.
std::string ChoiceText(const EvaluatedScene::Unreached& unreached) {
    const std::string which =
        !unreached.name.empty() ? unreached.name : "on line " + std::to_string(unreached.line);
    return unreached.kind + " " + which + ", in the macro " + unreached.macro + " (never invoked)";
}

// The number of the object to import: asked for when the scene creates several, or creates one
// and writes others inside macros it never invokes; 0 for the first one, or for the whole of an
// SVG document. False when the choice was cancelled or fell on an object never created (`why`
// says why it cannot be imported).
bool ChooseObject(vBaseWindow* owner, const std::string& path, const EvaluatedScene& scene,
                  int& number, std::string& why) {
    number = 0;
    why.clear();
    if (scene.objects.empty() || scene.objects.size() + scene.unreached.size() < 2) {
        return true;
    }
    std::vector<std::string> entries;
    for (const EvaluatedScene::Object& object : scene.objects) {
        entries.push_back(ChoiceText(object));
    }
    for (const EvaluatedScene::Unreached& unreached : scene.unreached) {
        entries.push_back(ChoiceText(unreached));
    }
    ImportChoiceDialog dialog(
        owner,
        std::filesystem::path(path).filename().string() + " holds several objects: which one?",
        entries);
    const int chosen = dialog.Choose();
    const int created = static_cast<int>(scene.objects.size());
    if (chosen >= created) {
        why = scene.unreached[static_cast<size_t>(chosen - created)].Message() + ".";
        return false;
    }
    number = chosen + 1;
    return chosen >= 0;
}

}  // namespace

void KryCmdWindow::ImportCommand() {
    std::string path;
    if (PickOpenName("Import POV-Ray or SVG File", importFilters, path)) {
        KryApp::ImportInNewWindow(path);
    }
}

bool KryCmdWindow::ImportFile(const std::string& path) {
    std::string text;
    std::string why;
    if (!ReadSourceFile(path.c_str(), text, why)) {
        Notify(("Unable to import " + path + ": the file cannot be read (" + why + ").").c_str());
        return false;
    }
    PastedDrawing imported;
    Outline outline;
    ImportReport report;
    bool read = false;
    if (IsSvgText(text)) {
        read = ReadOutlineText(text, nullptr, outline, report);
    } else {
        const EvaluatedScene scene = EvaluatePovScene(text, FolderOf(path.c_str()));
        SceneObjectChoice choice;
        if (!ChooseObject(this, path, scene, choice.number, why)) {
            if (!why.empty()) {
                Notify(("Unable to import " + path + ": " + why).c_str());
            }
            return false;
        }
        read = TakeSceneObject(text, scene, choice, outline, report);
    }
    if (!imported.Imported(outline, report, read, why)) {
        Notify(("Unable to import " + path + ": " + why).c_str());
        return false;
    }
    return AddPasted(imported, true, "Imported, with changes to fit the drawing:");
}

// The window stays untitled, so that saving asks for a name and never writes over the source.
void KryApp::ImportInNewWindow(const std::string& path) {
    const std::string caption = std::filesystem::path(path).filename().string() + " (imported)";
    FillNewWindow(caption, [&](KryCmdWindow& window) { return window.ImportFile(path); });
}
