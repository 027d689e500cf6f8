#pragma once

#include <QRect>
#include <QSize>

class QWidget;

// Where the program's windows of their own (help, pictures) go: beside the frame, so that the
// drawing stays in view.
class QtPlacement {
public:
    // The screen area the frame is on, or the primary screen's without a frame.
    static QRect ScreenArea(const QWidget* frame);
    // Right of the frame and level with its top when the screen has room there, else at the
    // screen's right edge.
    static QRect BesideFrame(const QWidget* frame, const QSize& size);
};
