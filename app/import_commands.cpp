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
#include "interchange/SceneObjectList.h"
#include "model/KCanvasPane.h"

namespace {

const char* const importFilters[] = {"*.pov;*.inc;*.svg", "*", nullptr};

std::string ChoiceText(const SceneObject& object) {
    const std::string which =
        object.name.empty() ? "on line " + std::to_string(object.line) : object.name;
    return object.kind + " " + which + ", " + std::to_string(object.points) + " points";
}

// The name of the object to import: asked for when the file holds several; "" for the first
// one, or for the whole of an SVG document. False when the choice was cancelled.
bool ChooseObject(vBaseWindow* owner, const std::string& path,
                  const std::vector<SceneObject>& objects, std::string& name) {
    name = objects.empty() ? "" : objects.front().name;
    if (objects.size() < 2) {
        return true;
    }
    std::vector<std::string> entries;
    for (const SceneObject& object : objects) {
        entries.push_back(ChoiceText(object));
    }
    ImportChoiceDialog dialog(
        owner,
        std::filesystem::path(path).filename().string() + " holds several objects: which one?",
        entries);
    const int chosen = dialog.Choose();
    if (chosen < 0) {
        return false;
    }
    name = objects[static_cast<size_t>(chosen)].name;
    return true;
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
    std::string name;
    if (!ChooseObject(this, path, ListSceneObjects(text), name)) {
        return false;
    }
    PastedDrawing imported;
    if (!imported.Import(text, name.empty() ? nullptr : name.c_str(), why)) {
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
