#include "toolkit/platform/qt/QtTextPlatform.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <cstring>
#include <string>

namespace {

// Pixels per logical inch assumed for fonts given in points.
constexpr int LogicalDpi = 96;
constexpr int FixedPixelSize = 12;

bool HaveGui() {
    return QGuiApplication::instance() != nullptr;
}

int PixelsForPoints(int points) {
    int pixels = points * LogicalDpi / 72;
    return pixels > 0 ? pixels : FixedPixelSize;
}

// The face name of a stored logical-font record: 32 characters from byte 28.
std::string RecordFace(const vFont& font) {
    if (font.Family() != FontLogical) {
        return std::string();
    }
    const unsigned char* record = font.LogicalRecord();
    return std::string(reinterpret_cast<const char*>(record + 28),
                       strnlen(reinterpret_cast<const char*>(record + 28), 32));
}

int32_t RecordInt(const vFont& font, int offset) {
    int32_t value = 0;
    std::memcpy(&value, font.LogicalRecord() + offset, sizeof value);
    return value;
}

QFont MakeFont(const vFont& font) {
    QFont made;
    int pixels = PixelsForPoints(font.Size());
    switch (font.Family()) {
        case FontSystem:
            made = QFont("sans-serif");
            made.setStyleHint(QFont::SansSerif);
            pixels = FixedPixelSize;
            break;
        case FontSerif:
            made = QFont("Times New Roman");
            made.setStyleHint(QFont::Serif);
            break;
        case FontSans:
            made = QFont("Arial");
            made.setStyleHint(QFont::SansSerif);
            break;
        case FontMono:
            made = QFont("Courier New");
            made.setStyleHint(QFont::TypeWriter);
            break;
        case FontSymbol:
            made = QFont("Wingdings");
            break;
        case FontLogical: {
            made = QFont(QString::fromLatin1(RecordFace(font).c_str()));
            int32_t height = RecordInt(font, 0);
            pixels = height != 0 ? (height < 0 ? -height : height) : FixedPixelSize;
            break;
        }
        default:
            // The fixed-pitch system font, whatever size is asked for.
            made = QFont("monospace");
            made.setStyleHint(QFont::TypeWriter);
            pixels = FixedPixelSize;
            break;
    }
    made.setPixelSize(pixels);
    if (font.Weight() == FontWeightBold) {
        made.setWeight(QFont::Bold);
    } else if (font.Weight() == FontWeightNormal) {
        made.setWeight(QFont::Normal);
    }
    made.setItalic(font.Style() == FontItalic);
    made.setUnderline(font.Underline() != 0);
    made.setHintingPreference(QFont::PreferFullHinting);
    made.setStyleStrategy(QFont::NoAntialias);
    return made;
}

}  // namespace

const QFont& QtTextPlatform::FontFor(const vFont& font) {
    Key key(font.Family(), font.Size(), font.Style(), font.Weight(), font.Underline(), font.Angle(),
            RecordFace(font));
    auto found = _fonts.find(key);
    if (found == _fonts.end()) {
        found = _fonts.emplace(key, MakeFont(font)).first;
    }
    return found->second;
}

void QtTextPlatform::DrawText(PixelSurface& surface, int x, int top, const char* text,
                              const vFont& font, uint32_t textColour, bool opaque,
                              uint32_t background) {
    if (!HaveGui() || !text || !*text || surface.Width() == 0 || surface.Height() == 0) {
        return;
    }
    QImage image(reinterpret_cast<uchar*>(surface.Data()), surface.Width(), surface.Height(),
                 surface.Width() * 4, QImage::Format_RGB32);
    QPainter painter(&image);
    const QFont& qfont = FontFor(font);
    painter.setFont(qfont);
    QFontMetrics metrics(qfont);
    QString string = QString::fromLocal8Bit(text);
    painter.translate(x, top);
    if (font.Angle() != 0) {
        painter.rotate(-font.Angle());
    }
    if (opaque) {
        painter.fillRect(0, 0, metrics.horizontalAdvance(string), metrics.height(),
                         QColor::fromRgb(background));
    }
    painter.setPen(QColor::fromRgb(textColour));
    painter.drawText(0, metrics.ascent(), string);
}

int QtTextPlatform::TextWidth(const char* text, const vFont& font) {
    if (!HaveGui() || !text) {
        return 0;
    }
    return QFontMetrics(FontFor(font)).horizontalAdvance(QString::fromLocal8Bit(text));
}

bool QtTextPlatform::FontMetrics(const vFont& font, int& ascent, int& descent) {
    if (!HaveGui()) {
        return false;
    }
    QFontMetrics metrics(FontFor(font));
    ascent = metrics.ascent();
    descent = metrics.descent();
    return true;
}
