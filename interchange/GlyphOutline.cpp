#include "interchange/GlyphOutline.h"

namespace {

bool Same(const Point2& a, const Point2& b) {
    return a.x == b.x && a.y == b.y;
}

// The set of one contour: its start and every segment's end, but the end that closes it
// again; the segment that leaves each point, the last one going back to the start.
Outline::Set SetOf(const GlyphContour& contour) {
    Outline::Set set;
    const Point2 start{contour.startX, contour.startY};
    set.points.push_back(start);
    for (const GlyphContour::Segment& s : contour.segments) {
        set.segments.push_back({s.curved, {s.x1, s.y1}, {s.x2, s.y2}});
        set.points.push_back({s.x, s.y});
    }
    if (set.points.size() > 1 && Same(set.points.back(), start)) {
        set.points.pop_back();
    } else {
        set.segments.push_back({});
    }
    return set;
}

}  // namespace

Outline OutlineOfGlyphs(const std::vector<GlyphContour>& contours) {
    Outline outline;
    for (const GlyphContour& contour : contours) {
        Outline::Set set = SetOf(contour);
        if (set.points.size() >= 2) {
            outline.sets.push_back(std::move(set));
        }
    }
    outline.kind = Prism;
    outline.prism.spline = outline.HasCurves() ? BezierSpline : LinearSpline;
    return outline;
}
