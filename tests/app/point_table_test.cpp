#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTableView>

#include "AppFixture.h"
#include "model/PointTable.h"
#include "toolkit/platform/qt/QtTableModel.h"
#include "toolkit/platform/qt/QtTableWindowPlatform.h"
#include "toolkit/platform/vPlatformOverride.h"

namespace {

class PointTableInEditor : public AppFixture {
protected:
    static QtTableWindow* Table() {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            auto* window = qobject_cast<QtTableWindow*>(widget);
            if (window != nullptr && window->isVisible()) {
                return window;
            }
        }
        return nullptr;
    }
    static std::string Cell(int row, int column) {
        QtTableModel* model = Table()->Model();
        return model->data(model->index(row, column), Qt::DisplayRole).toString().toStdString();
    }
    // Types into a cell as Enter after editing does.
    static void Type(int row, int column, const char* text) {
        QtTableModel* model = Table()->Model();
        model->setData(model->index(row, column), QString(text), Qt::EditRole);
    }
    static void Key(int key, Qt::KeyboardModifiers modifiers) {
        QKeyEvent press(QEvent::KeyPress, key, modifiers);
        QApplication::sendEvent(Table()->View(), &press);
    }
    static int SelectedRow() { return Table()->View()->currentIndex().row(); }

    QtTableWindowPlatform tables{&platform};
    vPlatformOverride<vTableWindowPlatform> tablesInstalled{&vPlatform::tableWindows, &tables};
};

// View > Point table shows the active window's entries; a typed value is stored and is one
// undo step, which Ctrl+Z in the table takes back; bad text is refused in the status line; the
// buttons insert and delete; a Move Point press selects its row; the table follows another
// active window and F6 closes it; the View item is ticked while it is open.
TEST_F(PointTableInEditor, ShowsEditsAndFollowsTheActiveDrawing) {
    RunWithSettings([&](KryCmdWindow& window) {
        KCanvasPane& canvas = *window.canvas;
        DrawTriangle(canvas);
        Choose(window, Cmd::PointTable);
        ASSERT_NE(Table(), nullptr);
        EXPECT_TRUE(MenuItem(window, Cmd::PointTable)->isChecked());
        EXPECT_EQ(Table()->windowTitle().toStdString(), "Point table: Untitled Polygon");
        EXPECT_EQ(Table()->Model()->rowCount(), 4);
        EXPECT_EQ(Cell(1, PointTable::XColumn), "0.666667");

        window.history.Saved(canvas);
        Type(1, PointTable::XColumn, "0.5");
        EXPECT_EQ(canvas.points[1].x, 37.5);
        EXPECT_TRUE(canvas.IsChanged());
        EXPECT_EQ(Cell(1, PointTable::XColumn), "0.5");
        Type(1, PointTable::YColumn, "x");
        EXPECT_EQ(Table()->Status()->text().toStdString(), "\"x\" is not a number.");
        Key(Qt::Key_Z, Qt::ControlModifier);
        EXPECT_EQ(canvas.points[1].x, 50);
        EXPECT_EQ(Cell(1, PointTable::XColumn), "0.666667");
        EXPECT_FALSE(canvas.IsChanged());

        Choose(window, Cmd::PointMove);
        canvas.OnMouseDown(200, 100, 1);
        canvas.OnMouseUp(200, 100, 1);
        EXPECT_EQ(SelectedRow(), 1);
        EXPECT_EQ(canvas.MarkedEntry(), 1);
        Table()->Button(PointTableWindow::InsertRow)->click();
        EXPECT_EQ(Table()->Model()->rowCount(), 5) << Table()->Status()->text().toStdString();
        EXPECT_EQ(SelectedRow(), 2);
        Table()->Button(PointTableWindow::DeleteRow)->click();
        Table()->Button(PointTableWindow::DeleteRow)->click();
        EXPECT_EQ(Table()->Model()->rowCount(), 4);
        EXPECT_EQ(Table()->Status()->text().toStdString(), "A set keeps at least three points.");

        KryCmdWindow* other = KryApp::OpenDrawingWindow("Prm");
        Settle();
        EXPECT_EQ(Table()->Model()->rowCount(), 0);
        EXPECT_EQ(Table()->windowTitle().toStdString(), "Point table: Untitled Prism");
        EXPECT_EQ(canvas.MarkedEntry(), -1);
        Choose(*other, Cmd::PointAdd);
        DrawTriangle(*other->canvas);
        EXPECT_EQ(Table()->Model()->rowCount(), 4);
        Key(Qt::Key_F6, Qt::NoModifier);
        Settle();
        EXPECT_EQ(Table(), nullptr);
        EXPECT_FALSE(MenuItem(*other, Cmd::PointTable)->isChecked());
    });
}

// Insert row with no row chosen starts a drawing in an empty table and goes on after the last
// entry, one undo step each, so that a lathe's profile is typed from nothing.
TEST_F(PointTableInEditor, InsertRowStartsAndExtendsADrawing) {
    RunWithSettings([&](KryCmdWindow& window) {
        KCanvasPane& canvas = *window.canvas;
        Choose(window, Cmd::KindLathe);
        Choose(window, Cmd::PointTable);
        ASSERT_NE(Table(), nullptr);
        const char* const typed[][2] = {{"0.5", "0"}, {"1", "0.5"}, {"0.5", "1"}};
        for (int row = 0; row < 3; ++row) {
            Table()->Button(PointTableWindow::InsertRow)->click();
            ASSERT_EQ(Table()->Model()->rowCount(), row + 1)
                << Table()->Status()->text().toStdString();
            EXPECT_EQ(SelectedRow(), row);
            Type(row, PointTable::XColumn, typed[row][0]);
            Type(row, PointTable::YColumn, typed[row][1]);
        }
        EXPECT_EQ(canvas.points[2].x, 37.5);
        EXPECT_EQ(canvas.points[2].y, -75);
        const size_t steps = window.history.Steps().UndoSteps();
        Key(Qt::Key_Z, Qt::ControlModifier);
        Key(Qt::Key_Z, Qt::ControlModifier);
        Key(Qt::Key_Z, Qt::ControlModifier);
        EXPECT_EQ(window.history.Steps().UndoSteps(), steps - 3);
        EXPECT_EQ(Table()->Model()->rowCount(), 2);
    });
}

// The table's title is the drawing's file name, or "Untitled" and the drawing's kind.
TEST_F(PointTableInEditor, TitleFollowsTheDrawingsNameAndKind) {
    RunWithSettings([&](KryCmdWindow& window) {
        Choose(window, Cmd::KindLathe);
        Choose(window, Cmd::PointTable);
        ASSERT_NE(Table(), nullptr);
        EXPECT_EQ(Table()->windowTitle().toStdString(), "Point table: Untitled Lathe");
        DrawTriangle(*window.canvas, 60);
        files.answer = true;
        files.path = work + "/wheel.lat";
        files.filter = LatheFilter;
        ModalAnswers answers;
        Choose(window, Cmd::SaveAs);
        EXPECT_EQ(answers.Messages(), Strings{});
        EXPECT_EQ(Table()->windowTitle().toStdString(), "Point table: wheel.lat");
    });
}

}  // namespace
