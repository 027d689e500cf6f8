#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QMdiArea>
#include <QMenu>
#include <string>
#include <vector>

#include "toolkit/CommandIds.h"
#include "toolkit/MenuSpec.h"
#include "toolkit/StatusFieldSpec.h"
#include "toolkit/platform/qt/QtCanvasWidget.h"
#include "toolkit/platform/qt/QtControlPlatform.h"
#include "toolkit/platform/qt/QtFrame.h"
#include "toolkit/platform/qt/QtHandles.h"
#include "toolkit/platform/qt/QtMenuPlatform.h"
#include "toolkit/platform/qt/QtSubWindow.h"
#include "toolkit/platform/qt/QtWindowPlatform.h"
#include "toolkit/platform/vControlHost.h"
#include "toolkit/platform/vPlatformOverride.h"
#include "toolkit/vApp.h"
#include "toolkit/vCmd.h"
#include "toolkit/vCmdWindow.h"
#include "toolkit/vCommandPane.h"
#include "toolkit/vDialog.h"
#include "toolkit/vMenuPane.h"

namespace {

// Owns its panes, as the program's windows do; the application deletes it after closing.
class TestWindow : public vCmdWindow {
public:
    using vCmdWindow::vCmdWindow;
    ~TestWindow() override {
        for (vPane* pane : owned) {
            delete pane;
        }
    }
    template <typename Pane, typename Table>
    Pane* Attach(Table table) {
        auto* pane = new Pane(table);
        owned.push_back(pane);
        AttachPane(pane);
        return pane;
    }
    std::vector<vPane*> owned;
    std::vector<std::string> events;
    void OnWindowCommand(int id, int value, int kind) override {
        events.push_back("command " + std::to_string(id) + "," + std::to_string(value) + "," +
                         std::to_string(kind));
    }
    void OnWindowKey(int key, int modifiers) override {
        events.push_back("key " + std::to_string(key) + "," + std::to_string(modifiers));
    }
};

MenuSpec fileItems[] = {
    {"&Open", 101, MenuEnabled, "Ctrl+O", 15, nullptr, 0},
    {"-", IdSeparator, MenuEnabled, nullptr, 0, nullptr, 0},
    {"&Help", 102, 0, "F1", 0xFFC1, nullptr, 0},
    {"&Grid", 103, MenuEnabled, nullptr, 0, nullptr, 0},
    {nullptr, 0, 0, nullptr, 0, nullptr, 0},
};
MenuSpec menuBar[] = {
    {"&File", 0, 0, nullptr, 0, fileItems, 0},
    {nullptr, 0, 0, nullptr, 0, nullptr, 0},
};

ControlSpec commandBar[] = {
    {CtlButton, 201, 201, " Add ", nullptr, 0, 1, 0, 0, 0, 0, "Add points"},
    {CtlButton, 202, 202, " Move ", nullptr, 0, 1, 0, 0, 0, 0, nullptr},
    {CtlButton, 203, 203, " Clear ", nullptr, 0, 1, 0, 0, 0, 0, nullptr},
    {},
};
StatusFieldSpec statusBar[] = {
    {" Polygon ", 301, 0, 1, 0},
    {" x: 0.000 y: 0.000 ", 302, 0, 1, 0},
    {nullptr, 0, 0, 0, 0},
};

// A frame with its panes on the offscreen platform.
class QtPanes : public ::testing::Test {
protected:
    void SetUp() override {
        windows.CreateFrame("Panes", 640, 480, nullptr);
        windows.Frame()->show();
    }

    static QtCanvasWidget* CanvasOf(vWindow& window) {
        return QtObjectOf(window.Handle())->Canvas();
    }
    static void Key(QWidget* target, int key, Qt::KeyboardModifiers modifiers,
                    const QString& text = QString()) {
        QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
        QApplication::sendEvent(target, &press);
    }

    QtWindowPlatform windows;
    QtControlPlatform controls;
    QtMenuPlatform menus{&windows};
    vPlatformOverride<vWindowPlatform> windowsInstalled{&vPlatform::windows, &windows};
    vPlatformOverride<vControlPlatform> controlsInstalled{&vPlatform::controls, &controls};
    vPlatformOverride<vMenuPlatform> menusInstalled{&vPlatform::menus, &menus};
    vApp app{"Panes"};
};

}  // namespace

TEST_F(QtPanes, MenuStateChangesReachTheTableAndTheMenu) {
    TestWindow& window = *new TestWindow("One", 200, 150);
    vMenuPane& pane = *window.Attach<vMenuPane>(menuBar);
    QMenu* file = windows.MenuOf(pane.RecordMenu(0));
    ASSERT_NE(file, nullptr);
    ASSERT_EQ(file->actions().size(), 4);
    EXPECT_EQ(file->actions()[0]->text(), "&Open  \tCtrl+O");
    EXPECT_TRUE(file->actions()[1]->isSeparator());
    EXPECT_FALSE(file->actions()[2]->isEnabled());
    EXPECT_STREQ(pane.RecordLabel(1), "&Window");

    window.SetControlValue(103, 1, AspectValue);
    EXPECT_EQ(fileItems[3].state, MenuEnabled | MenuChecked);
    EXPECT_TRUE(file->actions()[3]->isChecked());
    EXPECT_EQ(window.GetControlValue(103), 1);
    window.SetControlValue(103, 0, AspectEnabled);
    EXPECT_FALSE(file->actions()[3]->isEnabled());
    window.SetControlText(101, "&Load");
    EXPECT_EQ(file->actions()[0]->text(), "&Load") << "the key text goes";
    EXPECT_STREQ(fileItems[0].label, "&Load");
    window.SetControlValue(103, 1, AspectEnabled);
    window.SetControlValue(103, 0, AspectValue);
    window.SetControlText(101, "&Open");
    app.CloseAppWindow(&window);
}

TEST_F(QtPanes, AcceleratorsComeFromTheMenuTableAndGreyedOnesGoToTheWindow) {
    TestWindow& window = *new TestWindow("One", 200, 150);
    window.Attach<vMenuPane>(menuBar);
    QWidget* canvas = CanvasOf(window);
    Key(canvas, Qt::Key_O, Qt::ControlModifier, QString(QChar(15)));
    Key(canvas, Qt::Key_F1, Qt::NoModifier);
    Key(canvas, Qt::Key_Tab, Qt::ShiftModifier);
    EXPECT_EQ(window.events,
              (std::vector<std::string>{"command 101,101,15", "key 65473,0", "key 65289,1"}));
    app.CloseAppWindow(&window);
}

TEST_F(QtPanes, OnlyTheActiveWindowsPanesShowAroundTheClientArea) {
    TestWindow& first = *new TestWindow("One", 200, 150);
    vCommandPane& firstBar = *first.Attach<vCommandPane>(commandBar);
    vCommandPane& firstStatus = *first.Attach<vCommandPane>(statusBar);
    TestWindow& second = *new TestWindow("Two", 200, 150);
    vCommandPane& secondBar = *second.Attach<vCommandPane>(commandBar);
    vCommandPane& secondStatus = *second.Attach<vCommandPane>(statusBar);
    QApplication::processEvents();

    QMdiArea* mdi = windows.Frame()->MdiArea();
    mdi->setActiveSubWindow(QtObjectOf(first.Handle()));
    QApplication::processEvents();
    EXPECT_TRUE(firstBar.Active());
    EXPECT_FALSE(secondBar.Active());
    EXPECT_FALSE(secondStatus.Host().PaneVisible());
    EXPECT_TRUE(firstStatus.Host().PaneVisible());
    const int clientHeight = windows.Frame()->ClientArea()->height();
    EXPECT_EQ(mdi->geometry().top(), firstBar.PaneHeight());
    EXPECT_EQ(mdi->geometry().height(),
              clientHeight - firstBar.PaneHeight() - firstStatus.PaneHeight());

    mdi->setActiveSubWindow(QtObjectOf(second.Handle()));
    QApplication::processEvents();
    EXPECT_TRUE(secondBar.Host().PaneVisible());
    EXPECT_FALSE(firstBar.Host().PaneVisible());

    // A click on the command bar reaches the window as (id, value, kind).
    for (QAbstractButton* button :
         windows.Frame()->ClientArea()->findChildren<QAbstractButton*>()) {
        if (button->isVisible() && button->text() == " Move ") {
            button->click();
        }
    }
    EXPECT_EQ(second.events, (std::vector<std::string>{"command 202,202,4"}));
    EXPECT_TRUE(first.events.empty());
    second.SetControlText(302, "x: 1.000 y: 2.000");
    EXPECT_EQ(secondStatus.FindControl(302)->Text(), "x: 1.000 y: 2.000");

    // Bringing a window to the front activates it with its panes.
    first.BringToFront();
    QApplication::processEvents();
    EXPECT_EQ(vWindow::ActiveWindow(), &first);
    EXPECT_TRUE(firstBar.Host().PaneVisible());

    // Dialogs are placed from the top-left of the client area, below the command bar.
    vDialog dialog(&first, "Placed");
    dialog.AddControls(commandBar);
    dialog.ShowDialog("");
    dialog.MoveDialogTo(200, 10);
    int x, y, width, height;
    dialog.Host().ScreenRect(x, y, width, height);
    EXPECT_EQ(QPoint(x, y), mdi->mapToGlobal(QPoint(200, 10)));
    dialog.CloseDialog();
    app.CloseAppWindow(&first);
    app.CloseAppWindow(&second);
    EXPECT_EQ(mdi->geometry(), windows.Frame()->ClientArea()->rect())
        << "with the last window gone the client area has the whole frame again";
}
