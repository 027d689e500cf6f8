#include "toolkit/platform/qt/QtDialogWindow.h"

#include "toolkit/platform/qt/QtItemPainter.h"
#include "toolkit/platform/vControlSink.h"

void QtDialogWindow::reject() {
    if (_sink != nullptr) {
        _sink->OnCancelRequest();
    }
}

void QtDialogWindow::paintEvent(QPaintEvent* event) {
    QDialog::paintEvent(event);
    if (_sink != nullptr) {
        QtItemPainter painter(this);
        _sink->OnWindowPaint(painter);
    }
}
