#pragma once

#include <QWidget>

#include "toolkit/platform/vWindowEvents.h"
#include "toolkit/raster/PixelSurface.h"

class QScrollBar;

// The client area of a child window: shows the window's pixel surface and reports size, paint,
// mouse, key, focus and scroll events to the toolkit.
class QtCanvasWidget : public QWidget {
    Q_OBJECT
public:
    QtCanvasWidget(PixelSurface* surface, vWindowEvents* events, int width, int height);

    void Detach() { _events = nullptr; }
    vWindowEvents* Events() const { return _events; }
    QSize sizeHint() const override { return _requested; }
    void SetScrollBar(bool horizontal, bool visible, int shown, int position);
    // The focus came with a left press on the widget that has not been delivered yet: the press
    // that activates a child window gives it the focus first.
    bool FocusedByLeftPress() const { return _focusedByLeftPress; }

    // A Qt key as the toolkit's key code (characters, 0xFFxx keys), or -1 when it is dropped.
    // Control with a digit, '=', '+' or '-' (keypad included) is that character whatever text
    // the layout makes of it; scanCode (the platform's key position, 0 when unknown) tells the
    // digit of a number row that gives other symbols without Shift.
    static int ToolkitKey(int qtKey, Qt::KeyboardModifiers modifiers, const QString& text,
                          unsigned int scanCode = 0);
    static int ToolkitModifiers(Qt::KeyboardModifiers modifiers);

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void Mouse(vWindowEvents::MouseAction action, QMouseEvent* event);
    void Scrolled(bool horizontal, int action);
    QRect SurfaceRect() const;

    PixelSurface* _surface;
    vWindowEvents* _events;
    QSize _requested;
    QScrollBar* _bars[2];
    bool _focusedByLeftPress = false;
};
