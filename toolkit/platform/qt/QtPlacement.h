#pragma once

#include <QRect>
#include <QSize>

class QWidget;

// Where the program's windows of their own (help, pictures, tables) go: beside the frame, so
// that the drawing stays in view.
class QtPlacement {
public:
    // The screen area the frame is on, or the primary screen's without a frame.
    static QRect ScreenArea(const QWidget* frame);
    // The geometry, decorations left out, of a window of that size beside the frame and wholly
    // on the frame's screen (smaller where the screen is), as PlaceBesideFrame has it.
    static QRect BesideFrame(const QWidget* frame, const QSize& size);
};
