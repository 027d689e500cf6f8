#include "toolkit/platform/qt/QtSubWindow.h"

#include <QCloseEvent>

#include "toolkit/platform/qt/QtCanvasWidget.h"

QtSubWindow::QtSubWindow(QtCanvasWidget* canvas, vWindowEvents* events)
    : _canvas(canvas), _events(events) {
    setWidget(canvas);
    setAttribute(Qt::WA_DeleteOnClose, false);
}

void QtSubWindow::Detach() {
    _events = nullptr;
    _canvas->Detach();
}

void QtSubWindow::closeEvent(QCloseEvent* event) {
    event->ignore();
    if (_events) {
        _events->ChildCloseRequest();
    }
}
