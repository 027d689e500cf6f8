#include "toolkit/platform/vBesideFrame.h"

#include <algorithm>

namespace {

// The start of a stretch of that length within [low, high), as near the wanted one as it fits.
int Within(int wanted, int length, int low, int high) {
    return std::max(low, std::min(wanted, high - length));
}

}  // namespace

vRect PlaceBesideFrame(const vRect& area, const vRect& frame, int width, int height) {
    const int w = std::max(1, std::min(width, area.w));
    const int h = std::max(1, std::min(height, area.h));
    const int areaRight = area.x + area.w;
    const int frameRight = frame.x + frame.w;
    int x = areaRight - w;
    if (frameRight >= area.x && frameRight + w <= areaRight) {
        x = frameRight;
    } else if (frame.x - w >= area.x && frame.x <= areaRight) {
        x = frame.x - w;
    }
    return {Within(x, w, area.x, areaRight), Within(frame.y, h, area.y, area.y + area.h), w, h};
}
