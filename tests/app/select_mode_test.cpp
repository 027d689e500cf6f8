#include <QKeyEvent>
#include <QMouseEvent>
#include <QTest>
#include <cmath>

#include "AppFixture.h"
#include "toolkit/platform/qt/QtCanvasWidget.h"
#include "toolkit/platform/qt/QtHandles.h"
#include "toolkit/platform/qt/QtSubWindow.h"

// Select mode as the user works it: keys and the mouse reach the window through its canvas
// widget. Places are canvas pixels from the model origin, one model unit a pixel.
namespace {

class SelectMode : public AppFixture {
protected:
    void Use(KryCmdWindow& window) {
        _window = &window;
        _widget = QtObjectOf(window.Handle())->Canvas();
    }
    KCanvasPane& Canvas() { return *_window->canvas; }
    void Mouse(QEvent::Type type, int dx, int dy, Qt::MouseButton button,
               Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        if (type == QEvent::MouseButtonPress) {
            _held |= button;
        } else if (type == QEvent::MouseButtonRelease) {
            _held &= ~button;
        }
        const QPoint at(static_cast<int>(Canvas().originX) + dx,
                        static_cast<int>(Canvas().originY) + dy);
        QMouseEvent event(type, at, _widget->mapToGlobal(at), button, _held, modifiers);
        QApplication::sendEvent(_widget, &event);
    }
    void Drag(QPoint from, QPoint to, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        Mouse(QEvent::MouseButtonPress, from.x(), from.y(), Qt::LeftButton, modifiers);
        Mouse(QEvent::MouseMove, (from.x() + to.x()) / 2, (from.y() + to.y()) / 2, Qt::NoButton,
              modifiers);
        Mouse(QEvent::MouseMove, to.x(), to.y(), Qt::NoButton, modifiers);
        Mouse(QEvent::MouseButtonRelease, to.x(), to.y(), Qt::LeftButton, modifiers);
    }
    void Key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(_widget, static_cast<Qt::Key>(key), modifiers);
    }
    Point2 At(int index) { return Canvas().points[index]; }

    KryCmdWindow* _window = nullptr;
    QtCanvasWidget* _widget = nullptr;
    Qt::MouseButtons _held;
};

// The mode comes with S, a band and Shift+click choose, a drag moves what is chosen, the keys
// nudge, type and delete; every change is one step back, choosing none.
TEST_F(SelectMode, KeysAndMouseChooseMoveAndDelete) {
    RunWithSettings([&](KryCmdWindow& window) {
        Use(window);
        shapeKind = Prism;
        window.ChangeDrawing([](KCanvasPane& canvas) {
            canvas.splineType = BezierSpline;
            canvas.GenerateShape(3, 1, 0, 0, ShapePolygon);
            return true;
        });
        ASSERT_EQ(Canvas().pointCount, 4);
        Canvas().SetChanged(false);
        EXPECT_FALSE(Enabled(window, Cmd::NodeSmooth));
        Key(Qt::Key_M);
        EXPECT_EQ(Canvas().Model().nodeTypes[0], NodeType::Corner) << "M outside Select mode";

        Key(Qt::Key_S);
        EXPECT_EQ(editMode, SelectPoints);
        EXPECT_EQ(Field(window, Cmd::ModeField), "  Select");
        EXPECT_TRUE(Enabled(window, Cmd::NodeSmooth));

        // A band around the whole drawing, then Shift+click takes one point away again.
        const size_t steps = window.history.Steps().UndoSteps();
        Drag({-140, -140}, {140, 140});
        EXPECT_EQ(Canvas().Selected().Size(), 3u);
        const Point2 first = At(0);
        const QPoint onFirst(static_cast<int>(first.x), static_cast<int>(first.y));
        Mouse(QEvent::MouseButtonPress, onFirst.x(), onFirst.y(), Qt::LeftButton,
              Qt::ShiftModifier);
        Mouse(QEvent::MouseButtonRelease, onFirst.x(), onFirst.y(), Qt::LeftButton,
              Qt::ShiftModifier);
        EXPECT_EQ(Canvas().Selected().Size(), 2u);
        EXPECT_EQ(window.history.Steps().UndoSteps(), steps) << "choosing is no step";
        EXPECT_FALSE(Canvas().IsChanged());

        // Dragging a chosen point moves both; the first point stays with its closing repeat.
        const Point2 second = At(1);
        const QPoint onSecond(static_cast<int>(second.x), static_cast<int>(second.y));
        Drag(onSecond, onSecond + QPoint(10, 5));
        EXPECT_DOUBLE_EQ(At(1).x, second.x + std::trunc(10 / Canvas().scaleX));
        EXPECT_DOUBLE_EQ(At(0).x, first.x);
        EXPECT_EQ(window.history.Steps().UndoSteps(), steps + 1);

        // Ctrl+A, an arrow (a pixel's worth), Shift and an arrow (ten), Escape.
        Key(Qt::Key_A, Qt::ControlModifier);
        EXPECT_EQ(Canvas().Selected().Size(), 3u);
        Key(Qt::Key_Right);
        Key(Qt::Key_Down, Qt::ShiftModifier);
        EXPECT_DOUBLE_EQ(At(0).x, first.x + 1 / Canvas().scaleX);
        EXPECT_DOUBLE_EQ(At(3).y, first.y + 10 / Canvas().scaleY) << "the closing repeat";
        EXPECT_EQ(window.history.Steps().UndoSteps(), steps + 3);
        Key(Qt::Key_Y);
        EXPECT_EQ(Canvas().Model().nodeTypes[1], NodeType::Symmetric);
        Key(Qt::Key_Z, Qt::ControlModifier);
        EXPECT_EQ(Canvas().Model().nodeTypes[1], NodeType::Corner);
        EXPECT_DOUBLE_EQ(At(3).y, first.y + 10 / Canvas().scaleY) << "the nudge stays";

        // Delete leaves the triangle too few points: it goes whole, with a note.
        Key(Qt::Key_A, Qt::ControlModifier);
        Key(Qt::Key_Escape);
        EXPECT_TRUE(Canvas().Selected().Empty());
        Drag({-140, -140}, {140, 140});
        ModalAnswers notices;
        Key(Qt::Key_Delete);
        EXPECT_EQ(Canvas().pointCount, 0);
        EXPECT_EQ(notices.Messages(),
                  std::vector<std::string>{
                      AsShown("Set 1 had fewer than three points left and was removed whole.")});
        Key(Qt::Key_Z, Qt::ControlModifier);
        EXPECT_EQ(Canvas().pointCount, 4);

        // Another mode takes the keys back, and greys the node types.
        Choose(window, Cmd::PointAdd);
        EXPECT_FALSE(Enabled(window, Cmd::NodeCorner));
        Key(Qt::Key_Delete);
        EXPECT_EQ(Canvas().pointCount, 4);
        editMode = AddPoint;
    });
}

}  // namespace
