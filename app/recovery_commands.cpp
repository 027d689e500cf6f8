// Recovery copies of unsaved drawings: what a window keeps, how a recovered drawing comes back,
// the question at start-up about the copies of editors that ended unasked, and the files whose
// rewrite was cut short.
#include <sys/stat.h>
#include <unistd.h>

#include <ctime>
#include <string>
#include <vector>

#include "app/KryApp.h"
#include "app/KryCmdWindow.h"
#include "app/ProgramState.h"
#include "dialogs/KryDialog.h"
#include "dialogs/RecoveryDialog.h"
#include "dialogs/RemsDialog.h"
#include "io/BoundedFile.h"
#include "io/RecoveryFolder.h"
#include "io/RewriteJournal.h"
#include "model/KCanvasPane.h"
#include "scenefile/RecoveryCopy.h"
#include "scenefile/SceneKind.h"
#include "scenefile/SceneReadResult.h"
#include "scenefile/SceneReading.h"
#include "toolkit/CommandIds.h"
#include "toolkit/vNoticeDialog.h"
#include "toolkit/vYNReplyDialog.h"

namespace {

// A recovered drawing is untitled, so that saving it asks where; the caption says what it was.
std::string RecoveredCaption(const RecoveryCopy& copy) {
    return (copy.fileName.empty() ? copy.title : copy.fileName) + " (recovered)";
}

// "shape.prm (untitled), kept 2026-12-09 22:40": one line of the start-up question.
std::string Description(const RecoveryCopy& copy, const std::string& path) {
    std::string line = copy.title;
    if (!copy.fileName.empty() && copy.fileName != copy.title) {
        line += " (" + copy.fileName + ")";
    }
    struct stat info;
    char when[40] = "";
    if (stat(path.c_str(), &info) == 0) {
        std::tm local = {};
        localtime_r(&info.st_mtime, &local);
        std::strftime(when, sizeof when, ", kept %Y-%m-%d %H:%M", &local);
    }
    return line + when;
}

struct Orphan {
    std::string path;
    RecoveryCopy copy;
};

// The copies that can be read; one that cannot stays where it is, untouched.
std::vector<Orphan> ReadableOrphans() {
    std::vector<Orphan> orphans;
    for (const std::string& path : RecoveryFolder::OrphanedCopies()) {
        std::string text;
        std::string why;
        Orphan orphan{path, {}};
        if (BoundedFile::Read(path.c_str(), BoundedFile::DocumentLimit, text, why) &&
            RecoveryCopy::Parse(text, orphan.copy)) {
            orphans.push_back(orphan);
        }
        if (orphans.size() == static_cast<size_t>(RecoveryDialog::kMostDrawings)) {
            break;
        }
    }
    return orphans;
}

// A new window for the drawing; one that cannot be read leaves no window, and its copy stays.
bool Reopen(const Orphan& orphan) {
    KryCmdWindow* window = KryApp::OpenDrawingWindow("Untitled");
    if (window == nullptr) {
        return false;
    }
    if (window->TakeRecovered(orphan.copy)) {
        return true;
    }
    window->CloseOwnDialogs();
    theApp->DiscardAppWindow(window);
    vNoticeDialog notice(nullptr, "Notice");
    notice.ShowNotice((orphan.path + " could not be read as a drawing; it is kept.").c_str());
    return false;
}

}  // namespace

RecoveryKeeper::State KryCmdWindow::RecoveryState(std::string& text) const {
    if (!canvas->IsChanged()) {
        return RecoveryKeeper::State::Saved;
    }
    RecoveryCopy copy;
    copy.title = Name();
    copy.fileName = fileName;
    copy.filter = fileFilterIndex;
    copy.values = prismDialog->GetPrismValues();
    copy.TakeDrawing(*canvas, shapeKind);
    text = copy.Text();
    return history.InStep() ? RecoveryKeeper::State::Busy : RecoveryKeeper::State::Unsaved;
}

bool KryCmdWindow::TakeRecovered(const RecoveryCopy& copy) {
    const SceneRead read = ReadSceneBytes(copy.scene.data(), copy.scene.size(), canvas->Model(),
                                          static_cast<ShapeKind>(copy.kind));
    canvas->SetModel(read.drawing);
    if (!read.Ok()) {
        canvas->ClearCanvas(0);
        return false;
    }
    shapeKind = read.drawing.kind;
    remarksDialog->SetRemarks(canvas->remark1, canvas->remark2, canvas->remark3);
    prismDialog->SetPrismValues(copy.values);
    SetWindowTitle(RecoveredCaption(copy).c_str());
    UpdateModeDisplay();
    history.FileRead(*canvas);
    canvas->SetChanged(true);
    UpdateStatus(0, 0);
    ShowDrawing();
    TableFollows();
    recovery.KeepNow();
    return true;
}

bool KryCmdWindow::ReadDespiteTornRewrite(const char* name) {
    const std::string journal = RewriteJournal::LeftFor(name);
    if (journal.empty()) {
        return true;
    }
    const std::string question = std::string(name) +
                                 " may be torn: a save that rewrote it was cut short. Its new "
                                 "content is kept in " +
                                 journal + ".\n\nOpen that new content instead, as a new drawing?";
    vYNReplyDialog ask(this, "Yes or No");
    const int answer = ask.AskYesNo(question.c_str());
    if (answer != 1) {
        return answer == 0;
    }
    RecoveryCopy copy;
    copy.title = copy.fileName = name;
    copy.kind = KindOfExtension(name) >= 0 ? KindOfExtension(name) : shapeKind;
    copy.filter = fileFilterIndex;
    copy.values = prismDialog->GetPrismValues();
    std::string why;
    if (!BoundedFile::Read(journal.c_str(), BoundedFile::DocumentLimit, copy.scene, why) ||
        !TakeRecovered(copy)) {
        Notify((journal + " could not be read as a drawing; it is left as it is.").c_str());
        return false;
    }
    unlink(journal.c_str());
    return false;
}

void KryApp::KeepEveryRecoveryCopy() {
    for (int i = 0; i < WindowCount(); ++i) {
        if (auto* drawing = dynamic_cast<KryCmdWindow*>(WindowAt(i))) {
            drawing->recovery.KeepNow();
        }
    }
}

void KryApp::OnEndSignal(int signal) {
    KeepEveryRecoveryCopy();
    vApp::OnEndSignal(signal);
}

void KryApp::OnPlatformLost() {
    KeepEveryRecoveryCopy();
}

// Nothing is deleted unasked: a copy goes only once the user has reopened or discarded it.
void KryApp::OfferRecoveredDrawings(vBaseWindow* owner) {
    const std::vector<Orphan> orphans = ReadableOrphans();
    if (orphans.empty()) {
        return;
    }
    std::vector<std::string> lines;
    for (const Orphan& orphan : orphans) {
        lines.push_back(Description(orphan.copy, orphan.path));
    }
    RecoveryDialog dialog(owner, lines);
    int value = 0;
    if (dialog.ShowModal("", value) == 0 || value != IdOk) {
        return;
    }
    for (size_t i = 0; i < orphans.size() && i < dialog.reopen.size(); ++i) {
        if (!dialog.reopen[i] || Reopen(orphans[i])) {
            unlink(orphans[i].path.c_str());
        }
    }
}
