#pragma once

#include <QMdiSubWindow>

#include "toolkit/platform/vWindowEvents.h"

class QtCanvasWidget;

// A child window in the frame's MDI area, holding the canvas widget. Its close box asks the
// toolkit, which destroys the window when it agrees.
class QtSubWindow : public QMdiSubWindow {
    Q_OBJECT
public:
    QtSubWindow(QtCanvasWidget* canvas, vWindowEvents* events);

    QtCanvasWidget* Canvas() const { return _canvas; }
    vWindowEvents* Events() const { return _events; }
    // Stops all reports to the toolkit; the window is about to go.
    void Detach();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QtCanvasWidget* _canvas;
    vWindowEvents* _events;
};
