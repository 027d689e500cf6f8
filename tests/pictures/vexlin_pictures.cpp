// Pictures of the toolkit and of the program's dialogs, to be looked at rather than checked:
// run on an X server (scripts/pictures.sh runs it under Xvfb), it sets each scene on the screen
// and saves a PNG of it into the folder given.
#include <QAbstractButton>
#include <QApplication>
#include <QEventLoop>
#include <QPixmap>
#include <QScreen>
#include <QTimer>
#include <cstdio>
#include <functional>
#include <string>

#include "dialogs/BackgroundDialog.h"
#include "dialogs/KScalModalDialog.h"
#include "dialogs/KryDialog.h"
#include "dialogs/RemsDialog.h"
#include "toolkit/CommandIds.h"
#include "toolkit/platform/qt/QtControlHost.h"
#include "toolkit/platform/qt/QtControlPlatform.h"
#include "toolkit/platform/qt/QtFrame.h"
#include "toolkit/platform/qt/QtMenuPlatform.h"
#include "toolkit/platform/qt/QtSubWindow.h"
#include "toolkit/platform/qt/QtWindowPlatform.h"
#include "toolkit/platform/vPlatformOverride.h"
#include "toolkit/vApp.h"
#include "toolkit/vCmd.h"
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

QAbstractButton* ButtonOf(QWidget* window, const char* text) {
    for (QAbstractButton* button : window->findChildren<QAbstractButton*>()) {
        if (button->text() == text) {
            return button;
        }
    }
    return nullptr;
}

QWidget* WindowOf(vDialog& dialog, int anyId) {
    auto* host = dynamic_cast<QtControlHost*>(&dialog.Host());
    const vCmd* control = dialog.FindControl(anyId);
    return host != nullptr && control != nullptr ? host->ItemWidget(control->Item())->window()
                                                 : nullptr;
}

// As the program's: the frame stays when its last window closes.
class PicturesApp : public vApp {
public:
    PicturesApp() : vApp("Quorvane") {}
    void OnLastWindowClosed(vWindow*) override {}
};

// A frame with one window carrying a menu bar, a command bar and a status bar, and the scenes
// set over it.
class Scenes {
public:
    explicit Scenes(std::string folder) : _folder(std::move(folder)) {
        _windows.CreateFrame("Quorvane", 760, 520, nullptr);
        _windows.Frame()->move(0, 0);
        _windows.Frame()->show();
        _window = new vCmdWindow("Untitled", 300, 200);
        _window->AttachPane(&_menuPane);
        _window->AttachPane(&_commandPane);
        _window->AttachPane(&_statusPane);
        _window->MoveWindowTo(10, 10);
        // The frame was made without the application's frame events: lay it out once shown.
        Pause(200);
        _app.LayoutFrame();
    }
    ~Scenes() { _app.CloseAppWindow(_window); }

    // The window beside a sample dialog with every static kind, a notice and, asked from inside
    // it, a question.
    void ToolkitDialogs() {
        vDialog sample(_window, "Sample");
        sample.AddControls(sampleDialog);
        sample.ShowDialog("Static kinds");
        sample.MoveDialogTo(330, 10);
        vNoticeDialog notice(_window, "Notice");
        QTimer::singleShot(0, [this] {
            QWidget* shownNotice = QApplication::activeModalWidget();
            shownNotice->move(790, 40);
            QTimer::singleShot(0, [this] {
                QApplication::activeModalWidget()->move(790, 220);
                SaveScreen("toolkit-dialogs.png");
                ButtonOf(QApplication::activeModalWidget(), " Cancel ")->click();
            });
            vYNReplyDialog question(_window, "Yes or No");
            question.AskYesNo("Save new or changed drawing?");
            ButtonOf(shownNotice, " OK ")->click();
        });
        notice.ShowNotice("Unable to open INI FILE\n\n Creating NEW INI FILE");
        sample.CloseDialog();
    }

    // The help window beside the frame, and the notice naming where a missing help file was
    // looked for.
    void Help() {
        vHelpViewer viewer(_window);
        viewer.ShowContents(VEXLIN_SOURCE_DIR "/tests/qt/data/sample-help.hlp");
        SaveScreen("help-window.png");
        QTimer::singleShot(0, [this] {
            SaveScreen("help-missing.png");
            ButtonOf(QApplication::activeModalWidget(), " OK ")->click();
        });
        viewer.ShowContents("Vexlin-missing.hlp");
    }

    // The program's dialogs, each as a fresh window opens it.
    void ProgramDialogs() {
        KryDialog prism(nullptr, KryDialog::kTitle);
        prism.ShowDialog("");
        SaveDialog(prism, 221, "prism-values.png");
        prism.CloseDialog();
        KScalModalDialog shapes(nullptr, KScalModalDialog::kTitle);
        InModal(
            shapes, [&] { SaveDialog(shapes, 323, "shapes.png"); }, 323);
        RemsDialog remarks(nullptr, RemsDialog::kTitle);
        InModal(
            remarks, [&] { SaveDialog(remarks, IdCancel, "remarks.png"); }, IdCancel);
        BackgroundDialog background(nullptr, {[](const BackgroundPlacement&) {}, nullptr});
        InModal(
            background, [&] { SaveDialog(background, IdCancel, "background.png"); }, IdCancel);
    }

    int failures = 0;

private:
    void Saved(bool saved, const char* name) {
        std::printf("%s/%s%s\n", _folder.c_str(), name, saved ? "" : ": NOT SAVED");
        failures += saved ? 0 : 1;
    }
    void SaveScreen(const char* name) {
        Pause(700);
        Saved(QGuiApplication::primaryScreen()->grabWindow(0).save(Path(name)), name);
    }
    void SaveDialog(vDialog& dialog, int anyId, const char* name) {
        Pause(500);
        Saved(WindowOf(dialog, anyId)->grab().save(Path(name)), name);
    }
    // Runs the steps inside the modal dialog, then closes it with the button of that id.
    static void InModal(vModalDialog& dialog, const std::function<void()>& steps, int closeId) {
        QTimer::singleShot(0, [&] {
            steps();
            auto* host = dynamic_cast<QtControlHost*>(&dialog.Host());
            qobject_cast<QAbstractButton*>(host->ItemWidget(dialog.FindControl(closeId)->Item()))
                ->click();
        });
        int value = 0;
        dialog.ShowModal("", value);
    }
    QString Path(const char* name) const { return QString::fromStdString(_folder + "/" + name); }

    std::string _folder;
    QtWindowPlatform _windows;
    QtControlPlatform _controls;
    QtMenuPlatform _menus{&_windows};
    vPlatformOverride<vWindowPlatform> _windowsInstalled{&vPlatform::windows, &_windows};
    vPlatformOverride<vControlPlatform> _controlsInstalled{&vPlatform::controls, &_controls};
    vPlatformOverride<vMenuPlatform> _menusInstalled{&vPlatform::menus, &_menus};
    PicturesApp _app;
    vMenuPane _menuPane{menuBar};
    vCommandPane _commandPane{commandBar};
    vCommandPane _statusPane{statusBar};
    vCmdWindow* _window = nullptr;
};

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: vexlin-pictures OUT_DIR   (on an X server)\n");
        return 64;
    }
    QApplication application(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    Scenes scenes(argv[1]);
    scenes.ToolkitDialogs();
    scenes.Help();
    scenes.ProgramDialogs();
    return scenes.failures == 0 ? 0 : 1;
}
