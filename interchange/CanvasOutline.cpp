#include "interchange/CanvasOutline.h"

#include "model/DrawingHandles.h"
#include "model/SetOutlines.h"
#include "model/WrittenPoints.h"

namespace {

// A cubic set's trailing control line, kept with its points where the writer would work out
// another: a lathe profile's ends on its last point, which is the closing repeat when the
// lathe is closed; a prism outline's ends on the repeat.
void KeepTrailing(const Outline& outline, const Outline::Set& set, int first, Drawing& canvas) {
    if (!set.trailing || outline.prism.spline != CubicSpline) {
        return;
    }
    const bool profile = outline.kind == Lathe;
    const int end = profile && outline.prism.open != 0 ? canvas.pointCount - 1 : canvas.pointCount;
    KeepTrailingControl(canvas, first, end, FileOf(*set.trailing), profile);
}

}  // namespace

void PutOutline(const Outline& outline, Drawing& canvas) {
    canvas.pointCount = 0;
    canvas.setCount = 0;
    canvas.setEnds[0] = 0;
    canvas.trailingControls.clear();
    for (const Outline::Set& set : outline.sets) {
        int first = canvas.pointCount;
        int n = static_cast<int>(set.points.size());
        if (canvas.setCount >= MaxSets || n < 1 || n + 1 > MaxPoints - first) {
            break;
        }
        for (int j = 0; j < n; ++j) {
            canvas.points[first + j] = set.points[j];
        }
        canvas.pointCount = first + n;
        canvas.points[canvas.pointCount] = set.points[0];
        InitBezierHandles(canvas);
        canvas.setEnds[++canvas.setCount] = ++canvas.pointCount;
        for (size_t j = 0; j < set.segments.size(); ++j) {
            const Outline::Segment& segment = set.segments[j];
            if (segment.curved) {
                canvas.control1[first + j] = segment.handle1;
                canvas.control2[first + j] = segment.handle2;
            }
        }
        if (set.hasControl) {
            canvas.control1[first] = set.control;
        }
        KeepTrailing(outline, set, first, canvas);
    }

    canvas.CheckInvariants();
}

void PutPrismValues(const Outline& outline, Drawing& drawing) {
    outline.prism.StoreInto(drawing);
}

void PutOutline(const Outline& outline, KCanvasPane& canvas) {
    PutOutline(outline, canvas.Model());
}

void PutPrismValues(const Outline& outline, KCanvasPane& canvas) {
    canvas.SetPrismValues(outline.prism);
}
