#include "app/RecoveryKeeper.h"

#include <unistd.h>

#include "io/FileReplace.h"
#include "io/RecoveryFolder.h"

RecoveryKeeper::RecoveryKeeper(int serial, Compose compose)
    : _serial(serial), _compose(std::move(compose)) {}

// A window deleted at the end of the run keeps its copy: the run may be ending because the
// display went, and the copy is all that is left of the drawing.
RecoveryKeeper::~RecoveryKeeper() = default;

void RecoveryKeeper::Keep() {
    std::string text;
    switch (_compose(text)) {
        case State::Busy:
            return;
        case State::Saved:
            Remove();
            return;
        case State::Unsaved:
            Write(text);
            return;
    }
}

bool RecoveryKeeper::KeepNow() {
    std::string text;
    State state = _compose(text);
    if (state == State::Saved) {
        Remove();
        return true;
    }
    return Write(text);
}

bool RecoveryKeeper::Write(const std::string& text) {
    if (!_path.empty() && text == _kept) {
        return true;
    }
    const std::string folder = RecoveryFolder::Path();
    if (folder.empty()) {
        return false;
    }
    const std::string path = folder + "/" + RecoveryFolder::CopyName(_serial);
    if (!ReplaceFileContents(path.c_str(), text)) {
        return false;
    }
    _path = path;
    _kept = text;
    return true;
}

void RecoveryKeeper::Remove() {
    if (!_path.empty()) {
        unlink(_path.c_str());
        _path.clear();
        _kept.clear();
    }
}
