// Not checks: with VEXLIN_SHOWCASE_DIR set (scripts/dialog-screenshot.sh, under Xvfb) each test
// sets a scene on the real screen and saves a picture of the whole screen into that folder, so
// that it can be looked at.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QEventLoop>
#include <QPixmap>
#include <QScreen>
#include <QTimer>
#include <cstdlib>
#include <string>

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
#include "toolkit/vHelpViewer.h"
#include "toolkit/vMenuPane.h"
#include "toolkit/vNoticeDialog.h"
#include "toolkit/vYNReplyDialog.h"

namespace {

MenuSpec editItems[] = {
    {"&Add point", 101, MenuEnabled | MenuChecked, "Ctrl+A", 1, nullptr, 0},
    {"&Insert point", 102, MenuEnabled, nullptr, 0, nullptr, 0},
    {"-", IdSeparator, MenuEnabled, nullptr, 0, nullptr, 0},
    {"&Delete set", 103, 0, "Del", 0x7F, nullptr, 0},
    {nullptr, 0, 0, nullptr, 0, nullptr, 0},
};
MenuSpec menuBar[] = {
    {" &File ", 0, 0, nullptr, 0, editItems, 0},
    {"Points", 0, 0, nullptr, 0, editItems, 0},
    {" Help ", 0, 0, nullptr, 0, editItems, 0},
    {nullptr, 0, 0, nullptr, 0, nullptr, 0},
};
ControlSpec commandBar[] = {
    {CtlButton, 201, 201, "Clear", nullptr, 0, 1, 0, 0, 0, 0, nullptr},
    {CtlBlank, 202, 0, "                    ", nullptr, 0, 0, 0, 0, 0, 0, nullptr},
    {CtlButton, 203, 203, "add Shape ", nullptr, 0, 1, 0, 0, 0, 0, nullptr},
    {},
};
StatusFieldSpec statusBar[] = {
    {" Add Point           ", 301, AttrNoBorder, 1, 0},
    {"           points: 0 ", 302, AttrNoBorder, 1, 0},
    {"__POLYGON__", 303, AttrNoBorder, 1, 0},
    {nullptr, 0, 0, 0, 0},
};

// Every static kind the program's dialogs use: labels, a blank, borderless read-only text beside
// entries, two frames, and radio groups whose table ticks two members each.
ControlSpec sampleDialog[] = {
    {CtlLabel, 100, 0, "", nullptr, AttrMessage, 1, 0, 0, 0, 0, nullptr},
    {CtlFrame, 10, 0, "", nullptr, 0, 1, 0, 0, 100, 0, nullptr},
    {CtlLabel, 11, 0, "   Shapes style", nullptr, 0, 1, 10, 0, 0, 0, nullptr},
    {CtlRadioButton, 12, 1, " Polygon", nullptr, 0, 1, 10, 0, 11, 0, nullptr},
    {CtlRadioButton, 13, 1, "  Star  ", nullptr, 0, 1, 10, 0, 12, 0, nullptr},
    {CtlRadioButton, 14, 0, " RanPoly", nullptr, 0, 1, 10, 0, 13, 0, nullptr},
    {CtlFrame, 20, 0, "", nullptr, 0, 1, 0, 10, 100, 0, nullptr},
    {CtlLabel, 21, 0, "    Points ", nullptr, 0, 1, 20, 0, 0, 0, nullptr},
    {CtlTextIn, 22, 0, "3", nullptr, 0, 1, 20, 21, 0, 4, nullptr},
    {CtlText, 23, 0, "", const_cast<char*>("range 3 - 100 "), AttrNoBorder, 1, 20, 22, 0, 0,
     nullptr},
    {CtlLabel, 24, 0, " Function", nullptr, 0, 0, 20, 0, 23, 0, nullptr},
    {CtlTextIn, 25, 0, "0.0", nullptr, 0, 0, 20, 24, 23, 4, nullptr},
    {CtlText, 26, 0, "", const_cast<char*>("range 0<__<1 "), AttrNoBorder, 0, 20, 25, 23, 0,
     nullptr},
    {CtlCheckBox, 30, 1, "Open", nullptr, 0, 1, 0, 20, 100, 0, nullptr},
    {CtlCheckBox, 31, 0, "Strum", nullptr, 0, 0, 0, 20, 30, 0, nullptr},
    {CtlText, 40, 0, "", const_cast<char*>("Remark1..."), AttrNoBorder, 1, 0, 0, 10, 0, nullptr},
    {CtlTextIn, 41, 0, "// a remark", nullptr, AttrWide, 1, 0, 40, 10, 0, nullptr},
    {CtlRadioButton, 42, 1, "No Time/Date", nullptr, 0, 1, 0, 41, 10, 0, nullptr},
    {CtlRadioButton, 43, 1, " Time/Date", nullptr, 0, 1, 0, 41, 42, 0, nullptr},
    {CtlText, 44, 0, "", const_cast<char*>("                  "), AttrNoBorder, 1, 0, 0, 41, 0,
     nullptr},
    {CtlButton, IdCancel, IdCancel, " Cancel ", nullptr, 0, 1, 0, 44, 41, 0, nullptr},
    {CtlButton, IdOk, IdOk, " OK ", nullptr, AttrDefault, 1, 0, IdCancel, 41, 0, nullptr},
    {},
};

// Lets the X server map and paint what was just shown.
void Pause(int milliseconds) {
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}

void SaveScreen(const std::string& path) {
    Pause(700);
    QGuiApplication::primaryScreen()->grabWindow(0).save(QString::fromStdString(path));
}

QAbstractButton* ButtonOf(QWidget* window, const char* text) {
    for (QAbstractButton* button : window->findChildren<QAbstractButton*>()) {
        if (button->text() == text) {
            return button;
        }
    }
    return nullptr;
}

// As the program's: the frame stays when its last window closes.
class ShowcaseApp : public vApp {
public:
    ShowcaseApp() : vApp("Quorvane") {}
    void OnLastWindowClosed(vWindow*) override {}
};

// A frame with one window carrying a menu bar, a command bar and a status bar.
class Showcase : public ::testing::Test {
protected:
    void SetUp() override {
        const char* folder = std::getenv("VEXLIN_SHOWCASE_DIR");
        if (folder == nullptr) {
            GTEST_SKIP() << "set VEXLIN_SHOWCASE_DIR to picture the scenes";
        }
        _folder = folder;
        vWindowPlatform::Install(&windows);
        vControlPlatform::Install(&controls);
        vMenuPlatform::Install(&menus);
        windows.CreateFrame("Quorvane", 760, 520, nullptr);
        windows.Frame()->move(0, 0);
        windows.Frame()->show();
        window = new vCmdWindow("Untitled", 300, 200);
        window->AttachPane(&menuPane);
        window->AttachPane(&commandPane);
        window->AttachPane(&statusPane);
        window->MoveWindowTo(10, 10);
        // The frame was made without the application's frame events: lay it out once shown.
        Pause(200);
        app.LayoutFrame();
    }
    void TearDown() override {
        if (window != nullptr) {
            app.CloseAppWindow(window);
        }
        vMenuPlatform::Install(nullptr);
        vControlPlatform::Install(nullptr);
        vWindowPlatform::Install(nullptr);
    }
    std::string Picture(const char* name) const { return _folder + "/" + name; }

    QtWindowPlatform windows;
    QtControlPlatform controls;
    QtMenuPlatform menus{&windows};
    ShowcaseApp app;
    vMenuPane menuPane{menuBar};
    vCommandPane commandPane{commandBar};
    vCommandPane statusPane{statusBar};
    vCmdWindow* window = nullptr;

private:
    std::string _folder;
};

}  // namespace

TEST_F(Showcase, DialogsMenuAndPanes) {
    vDialog sample(window, "Sample");
    sample.AddControls(sampleDialog);
    sample.ShowDialog("Static kinds");
    sample.MoveDialogTo(330, 10);
    // The notice waits for its OK while the question, asked from inside it, is pictured.
    vNoticeDialog notice(window, "Notice");
    QTimer::singleShot(0, [this] {
        QWidget* shownNotice = QApplication::activeModalWidget();
        shownNotice->move(790, 40);
        QTimer::singleShot(0, [this] {
            QApplication::activeModalWidget()->move(790, 220);
            SaveScreen(Picture("toolkit-dialogs.png"));
            ButtonOf(QApplication::activeModalWidget(), " Cancel ")->click();
        });
        vYNReplyDialog question(window, "Yes or No");
        question.AskYesNo("Save new or changed drawing?");
        ButtonOf(shownNotice, " OK ")->click();
    });
    notice.ShowNotice("Unable to open INI FILE\n\n Creating NEW INI FILE");
    sample.CloseDialog();
}

TEST_F(Showcase, FrameWithTheHelpWindowAndAMissingHelpNotice) {
    vHelpViewer viewer(window);
    viewer.ShowContents(VEXLIN_SOURCE_DIR "/tests/qt/data/sample-help.hlp");
    SaveScreen(Picture("help-window.png"));
    QTimer::singleShot(0, [this] {
        SaveScreen(Picture("help-missing.png"));
        ButtonOf(QApplication::activeModalWidget(), " OK ")->click();
    });
    viewer.ShowContents("Vexlin-missing.hlp");
}
