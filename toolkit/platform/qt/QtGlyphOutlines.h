#pragma once

#include "toolkit/platform/vGlyphOutlines.h"

// Text outlines through Qt's text layout (HarfBuzz shaping and kerning) and its painter paths.
class QtGlyphOutlines : public vGlyphOutlines {
public:
    std::vector<std::string> Families() override;
    bool Outline(const GlyphRequest& request, std::vector<GlyphContour>& contours,
                 std::string& why) override;
};
