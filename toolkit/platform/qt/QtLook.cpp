#include "toolkit/platform/qt/QtLook.h"

#include <QApplication>
#include <QPainter>
#include <QPixmap>

namespace {

const char* const kFamily = "DejaVu Sans";
constexpr int kDialogPixels = 10;
constexpr int kWindowPixels = 11;
constexpr int kReadingPixels = 13;

QFont FontOfSize(int pixels) {
    QFont font(QString::fromLatin1(kFamily));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pixels);
    return font;
}

// A window: grey outline, blue caption bar, white client area.
QPixmap WindowGlyph(int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    const int inset = size / 16;
    const QRect outline(inset, inset + size / 8, size - 2 * inset - 1, size - 2 * inset - size / 4);
    const int bar = qMax(3, size / 5);
    painter.fillRect(outline, Qt::white);
    painter.fillRect(QRect(outline.topLeft(), QSize(outline.width(), bar)), QColor(60, 110, 165));
    painter.setPen(QColor(70, 70, 70));
    painter.drawRect(outline);
    return pixmap;
}

}  // namespace

QFont QtLook::DialogFont() {
    return FontOfSize(kDialogPixels);
}

QFont QtLook::WindowFont() {
    return FontOfSize(kWindowPixels);
}

QFont QtLook::ReadingFont() {
    return FontOfSize(kReadingPixels);
}

QIcon QtLook::ApplicationIcon() {
    QIcon icon;
    for (int size : {16, 24, 32, 48}) {
        icon.addPixmap(WindowGlyph(size));
    }
    return icon;
}

void QtLook::Apply() {
    QApplication::setFont(WindowFont());
    QApplication::setWindowIcon(ApplicationIcon());
}
