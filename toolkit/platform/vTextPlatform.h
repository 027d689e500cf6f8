#pragma once

#include <cstdint>

#include "toolkit/platform/vPlatform.h"
#include "toolkit/raster/PixelSurface.h"
#include "toolkit/vFont.h"

// Text is the one thing the platform draws into a pixel surface. Without a text platform
// (tests and tools with no display) contexts draw no text and use fallback metrics.
class vTextPlatform {
public:
    virtual ~vTextPlatform() = default;

    // Draws text with the top-left of its cell at (x, top). The background behind the text is
    // filled with `background` when `opaque` is set.
    virtual void DrawText(PixelSurface& surface, int x, int top, const char* text,
                          const vFont& font, uint32_t textColour, bool opaque,
                          uint32_t background) = 0;
    virtual int TextWidth(const char* text, const vFont& font) = 0;
    // False when the metrics cannot be read.
    virtual bool FontMetrics(const vFont& font, int& ascent, int& descent) = 0;

    static vTextPlatform* Current() { return vPlatform::Get().text; }
};
