#include "interchange/OutlineAdding.h"

#include <string>

#include "interchange/CanvasOutline.h"
#include "interchange/OutlinePreparation.h"

std::string AddingRefusal(const Drawing& drawing, int kind) {
    if (IsTurnedKind(kind)) {
        return "Outlines are added to polygons and prisms; a lathe's or sor's sets are profiles.";
    }
    if (drawing.HasOpenSet()) {
        return "The drawing has a set left open: finish it with a right click first.";
    }
    return "";
}

SetsResult AddOutline(const Drawing& drawing, int kind, Outline outline, ImportReport report) {
    const std::string refusal = AddingRefusal(drawing, kind);
    if (!refusal.empty()) {
        return SetsResult::Refused(refusal);
    }
    const bool empty = drawing.setCount == 0;
    const int target = kind == Polygon ? LinearSpline : (empty ? BezierSpline : drawing.splineType);
    const int prepared = target == LinearSpline ? LinearSpline : BezierSpline;
    if (!PrepareOutline(outline, prepared, false, report,
                        {MaxPoints - drawing.pointCount, MaxSets - drawing.setCount})) {
        return SetsResult::Refused(report.error + ".");
    }
    Drawing added;
    PutOutline(outline, added);
    added.splineType = outline.prism.spline;
    SetsResult result = PlaceSets(drawing, kind, {}, added);
    result.notes.insert(result.notes.begin(), report.notes.begin(), report.notes.end());
    return result;
}
