#pragma once

#include <QFont>
#include <map>
#include <string>
#include <tuple>

#include "toolkit/platform/vTextPlatform.h"

// Text on pixel surfaces through QPainter on a QImage that wraps the surface's memory. Colours
// are in the surface's format (0xRRGGBB). Needs a QGuiApplication.
class QtTextPlatform : public vTextPlatform {
public:
    void DrawText(PixelSurface& surface, int x, int top, const char* text, const vFont& font,
                  uint32_t textColour, bool opaque, uint32_t background) override;
    int TextWidth(const char* text, const vFont& font) override;
    bool FontMetrics(const vFont& font, int& ascent, int& descent) override;

    // The Qt font a toolkit font stands for; made once per distinct font.
    const QFont& FontFor(const vFont& font);

private:
    using Key = std::tuple<int, int, int, int, int, int, std::string>;
    std::map<Key, QFont> _fonts;
};
