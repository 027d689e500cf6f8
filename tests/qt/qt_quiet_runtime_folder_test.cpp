#include <gtest/gtest.h>

#include <QString>
#include <QStringList>

#include "toolkit/platform/qt/QtQuietRuntimeFolder.h"

namespace {

QStringList heard;

void Record(QtMsgType, const QMessageLogContext&, const QString& message) {
    heard.append(message);
}

// The runtime folder's warnings go nowhere while the quieting is in place; every other message
// (the same text as an error, another note about the folder) reaches the handler there was
// before, and once the quieting is gone the warnings do again.
TEST(QtQuietRuntimeFolder, DropsTheRuntimeFolderNotesAndNothingElse) {
    const QString unset =
        "QStandardPaths: XDG_RUNTIME_DIR not set, defaulting to '/tmp/runtime-root'";
    const QString foreign =
        "QStandardPaths: runtime directory '/run/user/1000' is not owned by UID 0, but a "
        "directory permissions 700 owned by UID 1000 GID 1000";
    const QStringList kept = {
        "QStandardPaths: wrong permissions on runtime directory /tmp, 0x7777 instead of 0x7700",
        "qt.qpa.xcb: could not connect to display",
        "XDG_RUNTIME_DIR not set, defaulting to '/tmp/runtime-root'",
    };
    const QtMessageHandler before = qInstallMessageHandler(Record);
    heard.clear();
    {
        QtQuietRuntimeFolder quiet;
        qWarning("%s", qPrintable(unset));
        qWarning("%s", qPrintable(foreign));
        qCritical("%s", qPrintable(unset));
        for (const QString& message : kept) {
            qWarning("%s", qPrintable(message));
        }
    }
    qWarning("%s", qPrintable(unset));
    qInstallMessageHandler(before);
    EXPECT_EQ(heard, QStringList{unset} + kept + QStringList{unset});
}

}  // namespace
