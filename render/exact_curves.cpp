#include <algorithm>
#include <vector>

#include "model/CurveFlattening.h"
#include "model/KCanvasPane.h"
#include "model/SplineCurve.h"
#include "model/WrittenPoints.h"

// POV-Ray's own curves on the canvas: what the ray tracer renders from the values the writer
// writes, flattened to pixels through the view. Every picture that shows curves of a finished
// set takes them from here.

namespace {

// Largest distance, in pixels, between a drawn curve and the true one: a quarter pixel keeps
// the truncation to whole pixels the only visible step.
constexpr double ExactTolerance = 0.25;

}  // namespace

bool KCanvasPane::ExactCurvesShown() const {
    return options.exactCurves && splineType >= QuadraticSpline && splineType <= BezierSpline;
}

// Only finished sets get a curve: an unfinished one makes the ray tracer refuse the whole
// declaration, yet the sets before it are the curves they will be once it is finished. A set
// of which the ray tracer builds nothing gets no curve either.
void KCanvasPane::FlattenExactCurves(int onlySet, Polylines& lines,
                                     std::vector<char>& curved) const {
    curved.assign(SetEndEntries, 0);
    const FlattenOptions flatten = ExactFlattening();
    const WrittenPointList list = WrittenPoints(*this, Prism);
    for (const WrittenSet& set : WrittenSets(list)) {
        if (set.set < 1 || set.set >= SetEndEntries || (onlySet != 0 && set.set != onlySet)) {
            continue;
        }
        const size_t before = lines.ends.size();
        FlattenCurve(PrismCurve(splineType, set.values), flatten, lines);
        if (lines.ends.size() > before) {
            curved[set.set] = 1;
        }
    }
}

FlattenOptions KCanvasPane::ExactFlattening() const {
    FlattenOptions flatten;
    flatten.map = FileToPixels();
    flatten.tolerance = ExactTolerance;
    const double right = std::max<double>(CanvasWidth(), 2 * originX + 1);
    const double bottom = std::max<double>(CanvasHeight(), 2 * originY + 1);
    flatten.clip = ClipBox{0, 0, right, bottom};
    return flatten;
}

void KCanvasPane::PaintPolylines(const Polylines& lines) {
    std::vector<vPoint> pixels;
    int first = 0;
    for (int end : lines.ends) {
        pixels.clear();
        for (int i = first; i < end; ++i) {
            const Point2& p = lines.points[static_cast<size_t>(i)];
            pixels.push_back({TruncatePixel(p.x), TruncatePixel(p.y)});
        }
        PaintPolyline(pixels.data(), static_cast<int>(pixels.size()));
        first = end;
    }
}
