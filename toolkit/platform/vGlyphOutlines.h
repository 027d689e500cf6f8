#pragma once

#include <string>
#include <vector>

#include "toolkit/platform/vPlatform.h"

// One closed contour of a text's outline, in pixels of the size asked for, y down, the first
// letter's origin on the baseline at (0, 0): its start, then per segment its end point, a
// straight segment's handles at its ends, a curved one's the two handles of a cubic bezier.
struct GlyphContour {
    struct Segment {
        bool curved = false;
        double x1 = 0, y1 = 0;  // first handle
        double x2 = 0, y2 = 0;  // second handle
        double x = 0, y = 0;    // end point
    };
    double startX = 0;
    double startY = 0;
    std::vector<Segment> segments;
};

// What is asked of the platform's text shaping: the text (UTF-8), the font family, the size
// (the font's em, in pixels) and the room added after each letter (pixels).
struct GlyphRequest {
    std::string text;
    std::string family;
    double size = 100;
    double spacing = 0;
};

// The outlines of a text as the platform's text layout shapes and kerns it, TrueType's
// quadratic curves raised exactly to cubic ones. Without the service installed no text can
// be outlined.
class vGlyphOutlines {
public:
    virtual ~vGlyphOutlines() = default;

    // The families of the fonts installed.
    virtual std::vector<std::string> Families() = 0;
    // The text's contours in the family asked for, which must be installed (no other is put in
    // its place); false with the reason otherwise.
    virtual bool Outline(const GlyphRequest& request, std::vector<GlyphContour>& contours,
                         std::string& why) = 0;

    static vGlyphOutlines* Current() { return vPlatform::Get().glyphs; }
};
