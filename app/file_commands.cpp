// Opening and saving drawings, and the question asked before a changed drawing goes.
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <iterator>
#include <string>

#include "app/CommandId.h"
#include "app/KryApp.h"
#include "app/KryCmdWindow.h"
#include "app/ProgramState.h"
#include "app/SettingsText.h"
#include "dialogs/KryDialog.h"
#include "dialogs/RemsDialog.h"
#include "interchange/ImportSource.h"
#include "interchange/PovSceneImport.h"
#include "model/KCanvasPane.h"
#include "scenefile/KindValues.h"
#include "scenefile/SceneKind.h"
#include "scenefile/SceneReadDetails.h"
#include "scenefile/SceneReadResult.h"
#include "scenefile/SceneWriting.h"
#include "toolkit/vFileSelect.h"
#include "toolkit/vYNReplyDialog.h"

namespace {

constexpr int OpenNameSize = 256;
// Files read beside drawings (pictures, scenes to import) may lie anywhere the system allows.
constexpr int PickedPathSize = 4096;

constexpr const char* kUnableToSave = "Unable to save file";
constexpr const char* kNameTooLong =
    "The file name is too long: a drawing's name may have at most 99 characters.";

// The settings file remembers the directory; one it could not hold, or a working directory that
// has gone, leaves the one remembered before.
void RememberWorkingDirectory() {
    char directory[PathBufferSize];
    if (getcwd(directory, sizeof directory) != nullptr && SettingsText::Holds(directory)) {
        std::memcpy(lastDirectory, directory, sizeof directory);
    }
}

// Scene text in a layout the editor does not write, with an object the import reads.
const char* ImportHint(const char* name) {
    std::string text;
    std::string why;
    const bool read = ReadSourceFile(name, text, why);
    if (!read) {
        return nullptr;
    }
    const EvaluatedScene scene = EvaluatePovScene(text, FolderOf(name));
    return std::any_of(scene.objects.begin(), scene.objects.end(),
                       [](const EvaluatedScene::Object& object) { return object.error.empty(); })
               ? SceneImportHint
               : nullptr;
}

}  // namespace

void KryCmdWindow::OpenFile(const char* name, const char* caption) {
    if (fileName[0] != '\0') {
        return;
    }
    char chosen[OpenNameSize] = "";
    if (name == nullptr || name[0] == '\0') {
        vFileSelect select(this, "File Select");
        if (!select.PickFile("Open Pol/Prm File", chosen, OpenNameSize - 1, fileFilters,
                             fileFilterIndex) ||
            chosen[0] == '\0') {
            return;
        }
        name = chosen;
    }
    const size_t length = std::strlen(name);
    if (length >= sizeof fileName) {
        Notify(kNameTooLong);
        return;
    }
    RememberWorkingDirectory();
    if (!ReadDespiteTornRewrite(name)) {
        return;
    }
    SceneReadDetails details;
    const int result = canvas->ReadSceneFile(name, details);
    // The kind read is the program's from now on, a failed read's too.
    shapeKind = canvas->Model().kind;
    if (result != ReadOk) {
        const char* importHint = details.hint.empty() ? ImportHint(name) : nullptr;
        ShowFailedRead(result, importHint != nullptr ? importHint : details.hint);
        return;
    }
    canvas->RedrawOutline(true);
    remarksDialog->SetRemarks(canvas->remark1, canvas->remark2, canvas->remark3);
    SetWindowTitle(caption != nullptr ? caption : name);
    UpdateModeDisplay();
    std::memcpy(fileName, name, length + 1);
    canvas->SetChanged(false);
    history.FileRead(*canvas);
    RememberDiskFile();
    prismDialog->SetPrismValues(canvas->GetPrismValues());
    UpdateStatus(0, 0);
    ReadBackgroundSidecar();
    TableFollows();
    if (!details.foreignText.empty()) {
        Notify(details.foreignText.c_str());
    }
}

// The count shown tells how far the file got. A bad header leaves it at the header's count or
// at the number of values the header gave, though no point was read: the drawing keeps only the
// points read, so that the next set does not join points at the origin that were never there.
// What the reader left is the drawing read, as after a read that succeeded: undoing back to it
// leaves nothing to save, and nothing from before it can be undone.
void KryCmdWindow::ShowFailedRead(int result, const std::string& hint) {
    char count[32];
    std::snprintf(count, sizeof count, "Tk= %i", canvas->pointCount);
    SetControlText(Cmd::ModeField, count);
    if (result == ReadBadHeader || result == ReadBadFirstControl) {
        canvas->pointCount = 0;
    }
    history.FileRead(*canvas);
    UpdateModeDisplay();
    ShowCounts();
    Repaint();
    if (const char* notice = SceneReadNotice(result)) {
        Notify(notice);
    }
    if (!hint.empty()) {
        Notify(hint.c_str());
    }
}

void KryCmdWindow::OpenCommand() {
    if (fileName[0] == '\0' && !canvas->IsChanged()) {
        OpenFile("");
        return;
    }
    if (fileFilterIndex != AnyFileFilter) {
        fileFilterIndex = FilterOfKind(shapeKind);
    }
    KryCmdWindow* window = KryApp::OpenDrawingWindow("No prg");
    if (window != nullptr) {
        window->OpenFile("");
        window->BringToFront();
    }
}

void KryCmdWindow::SaveCommand() {
    HandPrismValues();
    switch (TargetOfSave()) {
        case SaveTarget::OwnFile:
            if (MayLoseValues(fileName)) {
                WriteDrawing();
            }
            break;
        case SaveTarget::NewName:
            SaveUnderNewName("Save As");
            break;
        case SaveTarget::Nowhere:
            break;
    }
}

void KryCmdWindow::SaveAsCommand() {
    HandPrismValues();
    SaveUnderNewName("Save As");
}

// The caption shows the name asked for, as the writer may have extended it, even when writing
// failed.
void KryCmdWindow::SaveUnderNewName(const char* prompt) {
    if (fileFilterIndex != AnyFileFilter) {
        fileFilterIndex = FilterOfKind(shapeKind);
    }
    if (!PickSaveName(prompt)) {
        return;
    }
    WriteDrawing();
    SetWindowTitle(fileName);
}

std::string KryCmdWindow::DrawingName() const {
    if (fileName[0] != '\0') {
        const std::string name = fileName;
        return name.substr(name.find_last_of('/') + 1);
    }
    static const char* const kindNames[] = {"Polygon", "Prism", "Lathe", "Sor"};
    static_assert(std::size(kindNames) == SceneKindCount, "one name per kind");
    return std::string("Untitled ") + kindNames[SceneKindOf(shapeKind).kind];
}

bool KryCmdWindow::AskSaveChanges() {
    if (!canvas->IsChanged()) {
        return true;
    }
    vYNReplyDialog question(this, "Yes or No");
    switch (question.AskYesNo("Save new or changed drawing?")) {
        case 0:
            canvas->SetChanged(false);
            return true;
        case 1:
            break;
        default:
            return false;
    }
    // The question is about the drawing as the user sees it, with the values chosen in the
    // prism values dialog.
    HandPrismValues();
    switch (TargetOfSave()) {
        case SaveTarget::OwnFile:
            return MayLoseValues(fileName) && WriteDrawing();
        case SaveTarget::NewName:
            return PickSaveName("Save Vexlin File As") && WriteDrawing();
        case SaveTarget::Nowhere:
            break;
    }
    return false;
}

bool KryCmdWindow::PickOpenName(const char* prompt, const char* const* filters, std::string& path) {
    std::string chosen(PickedPathSize, '\0');
    int filter = 0;
    vFileSelect select(this, "File Select");
    if (!select.PickFile(prompt, chosen.data(), PickedPathSize - 1, filters, filter) ||
        chosen[0] == '\0') {
        return false;
    }
    path = chosen.c_str();
    return true;
}

// Asks for a name to save under; the window keeps its old name unless a new one was chosen.
bool KryCmdWindow::PickSaveName(const char* prompt) {
    char chosen[FileNameSize];
    std::memcpy(chosen, fileName, sizeof chosen);
    vFileSelect select(this, "File Select");
    if (!select.PickSaveFile(prompt, chosen, FileNameSize - 1, fileFilters, fileFilterIndex, 0,
                             nullptr) ||
        chosen[0] == '\0' || !MayReplace(chosen) || !MayLoseValues(chosen)) {
        return false;
    }
    std::memcpy(fileName, chosen, sizeof fileName);
    ForgetDiskFile();
    return true;
}

// The file dialog asks before a chosen file is replaced, but the writer appends the extension
// to a name typed without one only afterwards: the file under that name must be asked about
// here, or it would be replaced unasked.
bool KryCmdWindow::MayReplace(const char* chosen) {
    const std::string written = KCanvasPane::NameToWrite(chosen, fileFilterIndex);
    if (written.empty() || written == chosen || access(written.c_str(), F_OK) != 0) {
        return true;
    }
    const std::string question = written + " already exists.\n\nReplace it?";
    vYNReplyDialog ask(this, "Yes or No");
    return ask.AskYesNo(question.c_str()) == 1;
}

// The writer keeps to the kind that a name's extension names: a prism saved under a ".pol"
// name loses its prism values, so the user is asked first.
bool KryCmdWindow::MayLoseValues(const char* name) {
    const int kind = KCanvasPane::KindToWrite(name, fileFilterIndex, shapeKind);
    if (!WritingLosesValues(canvas->Model(), shapeKind, kind)) {
        return true;
    }
    const std::string written = KCanvasPane::NameToWrite(name, fileFilterIndex);
    const std::string question = LostValuesQuestion(written, shapeKind, kind);
    vYNReplyDialog ask(this, "Yes or No");
    return ask.AskYesNo(question.c_str()) == 1;
}

// The writer may extend the name and decides the kind written, which becomes the drawing's
// (on a failure too, once the name was taken); the display follows the kind. A failure is told
// to the user here, with its reason in the same notice; false then.
bool KryCmdWindow::WriteDrawing() {
    const SaveResult saved =
        WriteScene(canvas->AsShown(), fileName, KindChoice::Filter(fileFilterIndex));
    if (!saved.name.empty()) {
        std::snprintf(fileName, sizeof fileName, "%s", saved.name.c_str());
    }
    if (saved.kind) {
        shapeKind = *saved.kind;
    }
    if (!saved.ok) {
        std::string notice = kUnableToSave;
        if (!saved.message.empty()) {
            notice += "\n" + std::string(fileName) + ": " + saved.message;
        }
        Notify(notice.c_str());
        return false;
    }
    canvas->SetChanged(false);
    UpdateModeDisplay();
    history.Saved(*canvas);
    recovery.Remove();
    RememberDiskFile();
    WriteBackgroundSidecar();
    return true;
}
