#pragma once

#include <gtest/gtest.h>

#include <unistd.h>
#include <QAbstractButton>
#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "app/KryApp.h"
#include "app/KryCmdWindow.h"
#include "app/ProgramState.h"
#include "model/KCanvasPane.h"
#include "qt/ModalAnswers.h"
#include "qt/QtAppFixture.h"
#include "toolkit/ScriptedChooser.h"
#include "toolkit/platform/qt/QtControlHost.h"
#include "toolkit/platform/qt/QtControlPlatform.h"
#include "toolkit/platform/qt/QtMenuPlatform.h"
#include "toolkit/vCmd.h"
#include "toolkit/vCommandPane.h"
#include "toolkit/vMenuPane.h"

// The editor on the offscreen platform, in a folder of its own: the settings file lives in
// `program/` and the editor starts in `work/`. File choosers are answered by `files`; modal
// dialogs by a ModalAnswers the test sets up before the command that opens them.
class AppFixture : public QtAppFixture {
protected:
    AppFixture() {
        vControlPlatform::Install(&controls);
        vMenuPlatform::Install(&menus);
        char pattern[] = "/tmp/vexlin-app-XXXXXX";
        root = mkdtemp(pattern);
        program = root + "/program";
        work = root + "/work";
        std::filesystem::create_directories(program);
        std::filesystem::create_directories(work);
        startDirectory = std::filesystem::current_path();
        std::filesystem::current_path(work);
        settingsFolder = program;
        editMode = AddPoint;
        shapeKind = Polygon;
        fileFilterIndex = PolygonFilter;
    }
    ~AppFixture() override {
        std::filesystem::current_path(startDirectory);
        std::filesystem::remove_all(root);
        settingsFolder.clear();
        vMenuPlatform::Install(nullptr);
        vControlPlatform::Install(nullptr);
    }

    // Starts the editor with these arguments after the program's name; the steps run on the
    // first window once start-up is over, then the event loop ends. Returns the exit code.
    int RunEditor(std::vector<std::string> arguments,
                  const std::function<void(KryCmdWindow&)>& steps) {
        arguments.insert(arguments.begin(), "Vexlin");
        return RunWithSteps(
            app,
            [this, steps] {
                steps(*First());
                platform.ExitEventLoop(0);
            },
            OnAppStart, arguments);
    }
    // Starts the editor with a settings file already in place, so that no notice opens.
    int RunWithSettings(const std::function<void(KryCmdWindow&)>& steps) {
        Write(program + "/Vexlin.ini", work + "\npol\n");
        return RunEditor({}, steps);
    }

    // The window made at start-up, and the newest one.
    KryCmdWindow* First() { return Window(app.WindowCount() - 1); }
    KryCmdWindow* Newest() { return Window(0); }
    KryCmdWindow* Window(int index) { return dynamic_cast<KryCmdWindow*>(app.WindowAt(index)); }

    static std::string Field(KryCmdWindow& window, int id) {
        const vCmd* field = window.statusPane->FindControl(id);
        return field != nullptr ? field->Text() : "(none)";
    }
    // A command-bar button or a menu item.
    bool Enabled(KryCmdWindow& window, int id) {
        if (const vCmd* button = window.commandPane->FindControl(id)) {
            return button->Enabled();
        }
        const QAction* item = MenuItem(window, id);
        return item != nullptr && item->isEnabled();
    }
    QAction* MenuItem(KryCmdWindow& window, int id) {
        for (int record = 0; record < window.menuPane->RecordCount(); ++record) {
            QMenu* menu = platform.MenuOf(window.menuPane->RecordMenu(record));
            for (QAction* action : menu != nullptr ? menu->actions() : QList<QAction*>()) {
                if (action->menu() == nullptr && action->data().toInt() == id) {
                    return action;
                }
            }
        }
        return nullptr;
    }

    // Chooses a command as the user does: its menu item, or its command-bar button; a disabled
    // one does nothing. Ids that are neither go to the window directly.
    void Choose(KryCmdWindow& window, int id) {
        if (QAction* item = MenuItem(window, id)) {
            item->trigger();
        } else if (QAbstractButton* button = Button(window, id)) {
            button->click();
        } else {
            window.OnWindowCommand(id, id, CtlMenuItem);
        }
    }
    static QAbstractButton* Button(KryCmdWindow& window, int id) {
        auto* host = dynamic_cast<QtControlHost*>(&window.commandPane->Host());
        const vCmd* control = window.commandPane->FindControl(id);
        return host != nullptr && control != nullptr
                   ? qobject_cast<QAbstractButton*>(host->ItemWidget(control->Item()))
                   : nullptr;
    }

    static void Write(const std::string& path, const std::string& text) {
        std::ofstream(path, std::ios::binary) << text;
    }
    static std::string Read(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        return text.str();
    }
    static std::string WorkingDirectory() { return std::filesystem::current_path().string(); }
    // A closed triangle on the canvas, as three clicks and a right click make it.
    static void DrawTriangle(KCanvasPane& canvas, int dx = 0) {
        const int corners[][2] = {{100, 100}, {200, 100}, {150, 180}};
        for (const auto& corner : corners) {
            canvas.OnMouseDown(corner[0] + dx, corner[1], 1);
            canvas.OnMouseUp(corner[0] + dx, corner[1], 1);
        }
        canvas.OnMouseDown(150 + dx, 150, 3);
        canvas.OnMouseUp(150 + dx, 150, 3);
    }
    // Types the lines into the remarks dialog's first fields and presses OK.
    static ModalAnswers::Answer TypeRemarks(std::vector<std::string> lines) {
        return [lines](QWidget* dialog) {
            size_t next = 0;
            for (QLineEdit* field : dialog->findChildren<QLineEdit*>()) {
                if (!field->isReadOnly() && next < lines.size()) {
                    field->setText(QString::fromStdString(lines[next++]));
                }
            }
            ModalAnswers::ClickButton(dialog, " OK ");
        };
    }
    // A drawing file of `triangles` triangles, written by the editor's own writer.
    static void SaveDrawing(const std::string& path, int kind, int triangles) {
        const int kindBefore = shapeKind;
        KCanvasPane canvas(nullptr);
        for (int i = 0; i < triangles; ++i) {
            DrawTriangle(canvas, 10 * i);
        }
        std::vector<char> name(path.begin(), path.end());
        name.push_back('\0');
        EXPECT_TRUE(canvas.WriteSceneFile(name.data(), kind)) << path;
        shapeKind = kindBefore;
    }

    std::string root;
    std::string program;
    std::string work;
    std::filesystem::path startDirectory;
    ScriptedChooser files;
    QtControlPlatform controls;
    QtMenuPlatform menus{&platform};
    KryApp app;
};
