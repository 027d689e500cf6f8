#include <gtest/gtest.h>

#include <QStringList>

#include "toolkit/platform/qt/QtQuietRuntimeFolder.h"

namespace {

QStringList heard;

void Record(QtMsgType, const QMessageLogContext&, const QString& message) {
    heard.append(message);
}

// The runtime folder's two warnings go nowhere while the quieting is in place; every other
// message (the same text as an error, another note about the folder) reaches the handler there
// was before, and once the quieting is gone the warnings do again.
TEST(QtQuietRuntimeFolder, DropsTheRuntimeFolderWarningsAndNothingElse) {
    const char* unset =
        "QStandardPaths: XDG_RUNTIME_DIR not set, defaulting to '/tmp/runtime-root'";
    const QtMessageHandler before = qInstallMessageHandler(Record);
    {
        QtQuietRuntimeFolder quiet;
        qWarning("%s", unset);
        qWarning("QStandardPaths: runtime directory '/run/user/1000' is not owned by UID 0, but x");
        qCritical("%s", unset);
        qWarning("QStandardPaths: wrong permissions on runtime directory /tmp, 777 instead of 700");
    }
    qWarning("%s", unset);
    qInstallMessageHandler(before);
    EXPECT_EQ(heard, QStringList({unset,
                                  "QStandardPaths: wrong permissions on runtime directory /tmp, "
                                  "777 instead of 700",
                                  unset}));
}

}  // namespace
