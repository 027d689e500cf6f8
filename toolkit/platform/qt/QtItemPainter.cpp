#include "toolkit/platform/qt/QtItemPainter.h"

QtItemPainter::QtItemPainter(QWidget* widget) : _widget(widget), _painter(widget) {}

// Frames and icons are disabled only so that they take no input: their shades are never greyed.
QColor QtItemPainter::Colour(vShade shade) const {
    const QPalette& palette = _widget->palette();
    const QColor face = palette.color(QPalette::Active, QPalette::Button);
    switch (shade) {
        case ShadeFace:
            return face;
        case ShadeShadow:
            return palette.color(QPalette::Active, QPalette::Dark);
        case ShadeHighlight: {
            // A highlight that matches the face would vanish: white instead.
            const QColor light = palette.color(QPalette::Active, QPalette::Light);
            return light == face ? QColor(Qt::white) : light;
        }
        case ShadeWhite:
            return Qt::white;
        case ShadeGrey:
            return QColor(128, 128, 128);
    }
    return Qt::black;
}

void QtItemPainter::FillRect(int x, int y, int width, int height, vShade shade) {
    _painter.fillRect(x, y, width, height, Colour(shade));
}

void QtItemPainter::Line(int x, int y, int x2, int y2, vShade shade) {
    // Our lines leave out their end point; QPainter draws it.
    const int dx = x2 > x ? 1 : (x2 < x ? -1 : 0);
    const int dy = y2 > y ? 1 : (y2 < y ? -1 : 0);
    if (dx == 0 && dy == 0) {
        return;
    }
    _painter.setPen(QPen(Colour(shade), 1));
    _painter.drawLine(x, y, x2 - dx, y2 - dy);
}

bool QtItemPainter::Fits(const QFontMetrics& metrics, const QString& text, int width) {
    return metrics.horizontalAdvance(text) <= width;
}

bool QtItemPainter::CaptionFits(const QWidget& widget, const char* text) {
    return Fits(widget.fontMetrics(), QString::fromLocal8Bit(text).trimmed(), widget.width());
}

void QtItemPainter::CentredText(int x, int y, int width, int height, const char* text) {
    _painter.setPen(_widget->palette().color(
        _widget->isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
    _painter.setFont(_widget->font());
    // Captions carry blanks for layout, sized for the narrow blanks of the dialog font the
    // tables were made for; where ours overflow the box, the blanks give way, not the words.
    QString shown = QString::fromLocal8Bit(text);
    if (!Fits(_painter.fontMetrics(), shown, width)) {
        shown = shown.trimmed();
    }
    _painter.drawText(QRect(x, y, width, height), Qt::AlignCenter | Qt::TextSingleLine, shown);
}

void QtItemPainter::Icon(int x, int y, const vIcon& icon) {
    // FIXME: only one-bit icons are drawn; the toolkit's dialogs use no others.
    if (icon.depth != 1 || icon.pixels == nullptr) {
        return;
    }
    const int stride = (icon.width + 7) / 8;
    _painter.setPen(QPen(_widget->palette().color(QPalette::Active, QPalette::WindowText), 1));
    for (int row = 0; row < icon.height; ++row) {
        for (int column = 0; column < icon.width; ++column) {
            if (icon.pixels[row * stride + column / 8] & (0x80 >> (column % 8))) {
                _painter.drawPoint(x + column, y + row);
            }
        }
    }
}
