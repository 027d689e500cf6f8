#include "toolkit/platform/qt/QtQuietRuntimeFolder.h"

#include <QString>

namespace {

// The handler the notes would have gone to; null while no quieting is in place.
QtMessageHandler passOn = nullptr;

bool IsRuntimeFolderNote(QtMsgType type, const QString& message) {
    static const QString prefix = QStringLiteral("QStandardPaths: ");
    if (type != QtWarningMsg || !message.startsWith(prefix)) {
        return false;
    }
    const QString note = message.mid(prefix.size());
    return note.startsWith(QStringLiteral("XDG_RUNTIME_DIR not set, defaulting to ")) ||
           (note.startsWith(QStringLiteral("runtime directory ")) &&
            note.contains(QStringLiteral(" is not owned by UID ")));
}

void DropRuntimeFolderNotes(QtMsgType type, const QMessageLogContext& context,
                            const QString& message) {
    if (!IsRuntimeFolderNote(type, message) && passOn != nullptr) {
        passOn(type, context, message);
    }
}

}  // namespace

QtQuietRuntimeFolder::QtQuietRuntimeFolder() {
    _previous = qInstallMessageHandler(DropRuntimeFolderNotes);
    // A second one in place already passes on what the first does.
    if (_previous != DropRuntimeFolderNotes) {
        passOn = _previous;
    }
}

QtQuietRuntimeFolder::~QtQuietRuntimeFolder() {
    qInstallMessageHandler(_previous);
    if (_previous != DropRuntimeFolderNotes) {
        passOn = nullptr;
    }
}
