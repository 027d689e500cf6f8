#pragma once

#include <QPainter>
#include <QWidget>

#include "toolkit/platform/vItemPainter.h"

// Paints owner-drawn controls and pane edges with a QPainter on a widget, in the widget's own
// palette shades.
class QtItemPainter : public vItemPainter {
public:
    explicit QtItemPainter(QWidget* widget);

    int Width() const override { return _widget->width(); }
    int Height() const override { return _widget->height(); }
    void FillRect(int x, int y, int width, int height, vShade shade) override;
    void Line(int x, int y, int x2, int y2, vShade shade) override;
    void CentredText(int x, int y, int width, int height, const char* text) override;
    void Icon(int x, int y, const vIcon& icon) override;
    // Whether a caption shows whole in the widget: its blanks give way before its words are cut.
    static bool CaptionFits(const QWidget& widget, const char* text);

private:
    static bool Fits(const QFontMetrics& metrics, const QString& text, int width);
    QColor Colour(vShade shade) const;

    QWidget* _widget;
    QPainter _painter;
};
