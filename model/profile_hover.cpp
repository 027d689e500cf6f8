#include <cmath>

#include "model/KCanvasPane.h"
#include "model/ProfileRules.h"
#include "model/WrittenPoints.h"

// While the cursor rests on a point of a lathe or surface of revolution that breaks one of the
// ray tracer's rules, the window shows the rule in a few words.

namespace {

// As far as the red marker of a broken point reaches.
constexpr double HoverPixels = 4;

}  // namespace

const char* KCanvasPane::BrokenRuleAt(int x, int y) const {
    if (!IsTurnedKind(shapeKind)) {
        return nullptr;
    }
    const int spline = CurveSpline();
    const WrittenPointList list = WrittenPoints(*this, shapeKind);
    const char* found = nullptr;
    double best = HoverPixels;
    for (const RuleBreak& broken : ProfileRuleBreaks(list, shapeKind, spline)) {
        if (broken.entry < 0) {
            continue;
        }
        const Point2& at = list.entries[static_cast<size_t>(broken.entry)].model;
        const double distance = std::hypot(PixelX(at.x) - x, PixelY(at.y) - y);
        if (distance <= best) {
            best = distance;
            found = broken.brief;
        }
    }
    return found;
}
