#include <QThread>
#include <cstdlib>

#include "DialogFixture.h"
#include "dialogs/KScalModalDialog.h"
#include "dialogs/KryDialog.h"
#include "dialogs/RemsDialog.h"
#include "toolkit/CommandIds.h"

// Not a check: with VEXLIN_DIALOG_SHOTS naming a folder (scripts/program-dialogs-screenshot.sh,
// under Xvfb) it shows each of the program's dialogs as a fresh window opens it and saves a
// picture of each there, to be looked at.
TEST_F(DialogFixture, ScreenshotsOfTheProgramDialogs) {
    const char* folder = std::getenv("VEXLIN_DIALOG_SHOTS");
    if (folder == nullptr) {
        GTEST_SKIP() << "set VEXLIN_DIALOG_SHOTS to a folder for the pictures";
    }
    const auto save = [folder](vDialog& dialog, int anyId, const char* name) {
        QWidget* window = Widget(dialog, anyId)->window();
        for (int i = 0; i < 20; ++i) {
            QApplication::processEvents();
            QThread::msleep(25);
        }
        EXPECT_TRUE(window->grab().save(QString(folder) + "/" + name)) << name;
    };
    KryDialog prism(nullptr, KryDialog::kTitle);
    prism.ShowDialog("");
    save(prism, 221, "prism-values.png");
    prism.CloseDialog();
    KScalModalDialog shapes(nullptr, KScalModalDialog::kTitle);
    RunModal(shapes, [&] {
        save(shapes, 323, "shapes.png");
        Button(shapes, 323)->click();
    });
    RemsDialog remarks(nullptr, RemsDialog::kTitle);
    RunModal(remarks, [&] {
        save(remarks, IdCancel, "remarks.png");
        Button(remarks, IdCancel)->click();
    });
}
