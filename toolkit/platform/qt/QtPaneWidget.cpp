#include "toolkit/platform/qt/QtPaneWidget.h"

#include "toolkit/platform/qt/QtItemPainter.h"
#include "toolkit/platform/vControlSink.h"

void QtPaneWidget::paintEvent(QPaintEvent* event) {
    (void)event;
    QtItemPainter painter(this);
    painter.FillRect(0, 0, width(), height(), ShadeFace);
    if (_sink != nullptr) {
        _sink->OnWindowPaint(painter);
    }
}
