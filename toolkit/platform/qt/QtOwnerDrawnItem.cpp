#include "toolkit/platform/qt/QtOwnerDrawnItem.h"

#include <QMouseEvent>

#include "toolkit/platform/qt/QtItemPainter.h"
#include "toolkit/platform/vControlSink.h"

void QtOwnerDrawnItem::paintEvent(QPaintEvent* event) {
    (void)event;
    if (_sink != nullptr) {
        QtItemPainter painter(this);
        _sink->OnItemPaint(_number, painter);
    }
}

void QtOwnerDrawnItem::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()) &&
        clicked) {
        clicked();
    }
}
