#include <gtest/gtest.h>

#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QPoint>
#include <QTimer>
#include <cstdlib>
#include <memory>

#include "toolkit/CommandIds.h"
#include "toolkit/platform/qt/QtControlPlatform.h"
#include "toolkit/platform/qt/QtFrame.h"
#include "toolkit/platform/qt/QtMenuPlatform.h"
#include "toolkit/platform/qt/QtSubWindow.h"
#include "toolkit/platform/qt/QtWindowPlatform.h"
#include "toolkit/vApp.h"
#include "toolkit/vCmdWindow.h"
#include "toolkit/vCommandPane.h"
#include "toolkit/vDialog.h"
#include "toolkit/vMenuPane.h"

// Not a check: with VEXLIN_SHOWCASE_SECONDS set (scripts/dialog-screenshot.sh, under Xvfb) it
// shows a window with its menu, command bar and status bar, an open drop-down and a sample
// dialog for that long, so a screenshot can be taken and looked at.
TEST(Showcase, DialogMenuAndStatusBar) {
    const char* seconds = std::getenv("VEXLIN_SHOWCASE_SECONDS");
    if (seconds == nullptr) {
        GTEST_SKIP() << "set VEXLIN_SHOWCASE_SECONDS to show the sample";
    }
    int argc = 1;
    char name[] = "showcase";
    char* argv[] = {name, nullptr};
    std::unique_ptr<QApplication> own;
    if (QApplication::instance() == nullptr) {
        own = std::make_unique<QApplication>(argc, argv);
    }
    QtWindowPlatform windows;
    QtControlPlatform controls;
    QtMenuPlatform menus(&windows);
    vWindowPlatform::Install(&windows);
    vControlPlatform::Install(&controls);
    vMenuPlatform::Install(&menus);
    vApp app("Vexlin");
    windows.CreateFrame("Vexlin", 900, 600, nullptr);
    windows.Frame()->move(0, 0);
    windows.Frame()->show();

    static MenuSpec editItems[] = {
        {"&Add point", 101, MenuEnabled | MenuChecked, "Ctrl+A", 1, nullptr, 0},
        {"&Insert point", 102, MenuEnabled, nullptr, 0, nullptr, 0},
        {"-", IdSeparator, MenuEnabled, nullptr, 0, nullptr, 0},
        {"&Delete set", 103, 0, "Del", 0x7F, nullptr, 0},
        {nullptr, 0, 0, nullptr, 0, nullptr, 0},
    };
    static MenuSpec bar[] = {
        {"&Edit", 0, 0, nullptr, 0, editItems, 0},
        {nullptr, 0, 0, nullptr, 0, nullptr, 0},
    };
    static ControlSpec commandBar[] = {
        {CtlButton, 201, 201, " Add ", nullptr, 0, 1, 0, 0, 0, 0, nullptr},
        {CtlButton, 202, 202, " Move ", nullptr, 0, 1, 0, 0, 0, 0, nullptr},
        {CtlButton, 203, 203, " Clear ", nullptr, 0, 1, 0, 0, 0, 0, nullptr},
        {},
    };
    static StatusFieldSpec status[] = {
        {" Polygon ", 301, 0, 1, 0},
        {" Add Point ", 302, 0, 1, 0},
        {" x: 0.000  y: 0.000 ", 303, 0, 1, 0},
        {nullptr, 0, 0, 0, 0},
    };
    static ControlSpec dialogTable[] = {
        {CtlFrame, 10, 0, "", nullptr, 0, 1, 0, 0, 0, 0, nullptr},
        {CtlLabel, 11, 0, "Spline type", nullptr, 0, 1, 10, 0, 0, 0, nullptr},
        {CtlRadioButton, 12, 1, "&Linear", nullptr, 0, 1, 10, 0, 11, 0, nullptr},
        {CtlRadioButton, 13, 0, "&Quadratic", nullptr, 0, 1, 10, 0, 12, 0, nullptr},
        {CtlRadioButton, 14, 0, "&Cubic", nullptr, 0, 1, 10, 0, 13, 0, nullptr},
        {CtlCheckBox, 15, 1, "Open", nullptr, 0, 1, 0, 10, 0, 0, nullptr},
        {CtlCheckBox, 16, 0, "Sturm", nullptr, 0, 1, 0, 10, 15, 0, nullptr},
        {CtlLabel, 17, 0, "Height", nullptr, 0, 1, 0, 0, 10, 0, nullptr},
        {CtlTextIn, 18, 0, "1.000", nullptr, AttrNarrow, 1, 0, 17, 10, 0, nullptr},
        {CtlButton, 19, IdOk, " OK ", nullptr, AttrDefault, 1, 0, 0, 17, 0, nullptr},
        {CtlButton, 20, IdCancel, " Cancel ", nullptr, 0, 1, 0, 19, 17, 0, nullptr},
        {},
    };
    auto* window = new vCmdWindow("Untitled", 400, 250);
    vMenuPane menuPane(bar);
    vCommandPane commandPane(commandBar);
    vCommandPane statusPane(status);
    window->AttachPane(&menuPane);
    window->AttachPane(&commandPane);
    window->AttachPane(&statusPane);
    vDialog dialog(window, "Prism Values");
    dialog.AddControls(dialogTable);
    dialog.ShowDialog("");
    dialog.MoveDialogTo(480, 60);
    QApplication::processEvents();
    app.LayoutFrame();
    // The drop-down opens away from the command bar so that both can be seen.
    QAction* edit = windows.Frame()->menuBar()->actions().value(0);
    if (edit != nullptr && edit->menu() != nullptr) {
        edit->menu()->popup(windows.Frame()->mapToGlobal(QPoint(520, 330)));
    }
    // exit, not quit: quit asks the frame to close, and the frame refers that to the application.
    QTimer::singleShot(std::atoi(seconds) * 1000, qApp, [] { QCoreApplication::exit(0); });
    QApplication::exec();
    dialog.CloseDialog();
    app.CloseAppWindow(window);
    vMenuPlatform::Install(nullptr);
    vControlPlatform::Install(nullptr);
}
