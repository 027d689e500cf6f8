#include "toolkit/platform/qt/QtPlacement.h"

#include <QGuiApplication>
#include <QMargins>
#include <QScreen>
#include <QWidget>

#include "toolkit/platform/vBesideFrame.h"

namespace {

vRect Plain(const QRect& rect) {
    return {rect.x(), rect.y(), rect.width(), rect.height()};
}

}  // namespace

QRect QtPlacement::ScreenArea(const QWidget* frame) {
    QScreen* screen = frame != nullptr ? frame->screen() : QGuiApplication::primaryScreen();
    return screen != nullptr ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
}

QRect QtPlacement::BesideFrame(const QWidget* frame, const QSize& size) {
    const QRect area = ScreenArea(frame);
    QRect outer = area;
    // A window not yet shown has no decorations to ask about: the frame's stand in for them.
    QMargins decorations;
    if (frame != nullptr) {
        outer = frame->frameGeometry();
        const QRect inner = frame->geometry();
        decorations = QMargins(inner.left() - outer.left(), inner.top() - outer.top(),
                               outer.right() - inner.right(), outer.bottom() - inner.bottom());
    }
    const QSize wanted = size.grownBy(decorations);
    const vRect placed =
        PlaceBesideFrame(Plain(area), Plain(outer), wanted.width(), wanted.height());
    return QRect(placed.x, placed.y, placed.w, placed.h).marginsRemoved(decorations);
}
