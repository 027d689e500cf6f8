// The file a window shows may be changed by another program, or by another window, while the
// window is open: a save asks before it replaces such a change, and the window offers to read
// the file again when it is next activated.
#include <string>

#include "app/KryCmdWindow.h"
#include "app/ProgramState.h"
#include "dialogs/KryDialog.h"
#include "dialogs/RemsDialog.h"
#include "model/KCanvasPane.h"
#include "scenefile/SceneReadDetails.h"
#include "scenefile/SceneReadResult.h"
#include "scenefile/SceneReading.h"
#include "toolkit/platform/vFileWatcher.h"
#include "toolkit/vChoiceDialog.h"

namespace {

constexpr const char* kChangedByOthers =
    "The file was changed by another program since it was opened";
constexpr const char* kReloadOffer =
    "The file was changed by another program since it was opened.\n\nRead it again? The "
    "drawing shown now stays one undo step away.";

}  // namespace

void KryCmdWindow::RememberDiskFile() {
    diskFile = FileIdentity::Of(fileName);
    diskChangeNoted = false;
    vFileWatcher* watcher = vFileWatcher::Current();
    if (watcher == nullptr || (fileWatch != 0 && watchedName == fileName)) {
        return;
    }
    watcher->Unwatch(fileWatch);
    watchedName = fileName;
    fileWatch = watcher->Watch(watchedName, [this] { diskChangeNoted = true; });
}

void KryCmdWindow::ForgetDiskFile() {
    diskFile.reset();
    diskChangeNoted = false;
}

void KryCmdWindow::StopWatchingDiskFile() {
    if (vFileWatcher* watcher = vFileWatcher::Current()) {
        watcher->Unwatch(fileWatch);
    }
    fileWatch = 0;
}

bool KryCmdWindow::ChangedOnDisk() const {
    return fileName[0] != '\0' && diskFile.has_value() && FileIdentity::Of(fileName) != *diskFile;
}

// Nothing is written over another's change unless the user says so.
KryCmdWindow::SaveTarget KryCmdWindow::TargetOfSave() {
    if (fileName[0] == '\0') {
        return SaveTarget::NewName;
    }
    if (!ChangedOnDisk()) {
        return SaveTarget::OwnFile;
    }
    vChoiceDialog question(this, "File Changed", " Overwrite ", " Save as... ", " Cancel ");
    switch (question.Ask(kChangedByOthers)) {
        case 1:
            return SaveTarget::OwnFile;
        case 0:
            return SaveTarget::NewName;
        default:
            return SaveTarget::Nowhere;
    }
}

// Called on activation: the watch only says that something happened, perhaps a save of this
// window's own, so the file is looked at before the user is asked.
void KryCmdWindow::OfferReload() {
    if (!diskChangeNoted) {
        return;
    }
    diskChangeNoted = false;
    const FileIdentity now = FileIdentity::Of(fileName);
    if (fileName[0] == '\0' || !diskFile.has_value() || !now.exists || now == *diskFile ||
        now == toldDiskFile) {
        return;
    }
    // Each change is offered once; a declined one is still asked about before a save.
    toldDiskFile = now;
    vChoiceDialog offer(this, "File Changed", " Read again ", nullptr, " Keep ");
    if (offer.Ask(kReloadOffer) == 1) {
        ReloadDrawing();
    }
}

// The file is read beside the drawing, so that a file that no longer reads leaves the drawing
// as it was; the drawing read comes in as one undo step.
void KryCmdWindow::ReloadDrawing() {
    const FileIdentity seen = FileIdentity::Of(fileName);
    const SceneRead read = ReadScene(fileName, Drawing());
    if (!read.Ok()) {
        const char* notice = SceneReadNotice(read.result);
        Notify(notice != nullptr ? notice : "Unable to open file.");
        if (!read.details.hint.empty()) {
            Notify(read.details.hint.c_str());
        }
        return;
    }
    canvas->ResetGesture();
    ChangeDrawing([&](KCanvasPane& drawing) {
        if (read.drawing.kind != shapeKind) {
            history.KindChanging(shapeKind);
            shapeKind = read.drawing.kind;
        }
        drawing.SetModel(read.drawing);
        drawing.SetPrismValues(PrismValues::Of(read.drawing));
        return true;
    });
    canvas->SetChanged(false);
    history.Saved(*canvas);
    diskFile = seen;
    remarksDialog->SetRemarks(canvas->remark1, canvas->remark2, canvas->remark3);
    prismDialog->SetPrismValues(canvas->GetPrismValues());
    UpdateModeDisplay();
    TableFollows();
}
