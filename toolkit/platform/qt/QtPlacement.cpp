#include "toolkit/platform/qt/QtPlacement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

QRect QtPlacement::ScreenArea(const QWidget* frame) {
    QScreen* screen = frame != nullptr ? frame->screen() : QGuiApplication::primaryScreen();
    return screen != nullptr ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
}

QRect QtPlacement::BesideFrame(const QWidget* frame, const QSize& size) {
    const QRect area = ScreenArea(frame);
    const QRect beside = frame != nullptr ? frame->frameGeometry() : area;
    const int x = beside.right() + 1 + size.width() <= area.right() + 1
                      ? beside.right() + 1
                      : area.right() + 1 - size.width();
    return QRect(QPoint(x, beside.top()), size);
}
