#include "interchange/OutlineAdding.h"

#include <string>

#include "interchange/CanvasOutline.h"
#include "interchange/OutlinePreparation.h"
#include "model/DrawingEntries.h"
#include "model/SplineConversion.h"

namespace {

std::string NoRoom(const Drawing& drawing, const Drawing& added) {
    return "No room: the outlines take " + std::to_string(added.pointCount) + " entries in " +
           std::to_string(added.setCount) + " sets and the drawing has room for " +
           std::to_string(MaxPoints - drawing.pointCount) + " entries and " +
           std::to_string(MaxSets - drawing.setCount) + " sets.";
}

}  // namespace

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
    SetsResult result;
    result.notes = report.notes;
    Drawing added;
    PutOutline(outline, added);
    added.splineType = outline.prism.spline;
    if (kind == Prism && !empty && added.splineType != target) {
        const SplineConversion conversion = ConvertSpline(added, Prism, target, 0);
        if (!conversion.ok) {
            return SetsResult::Refused(conversion.refusal);
        }
        added = conversion.drawing;
        result.notes.insert(result.notes.end(), conversion.notes.begin(), conversion.notes.end());
    }
    if (drawing.pointCount + added.pointCount > MaxPoints ||
        drawing.setCount + added.setCount > MaxSets) {
        return SetsResult::Refused(NoRoom(drawing, added));
    }
    result.drawing = drawing;
    AppendSets(result.drawing, added);
    if (empty && kind == Prism) {
        result.drawing.splineType = added.splineType;
    }
    result.ok = true;
    return result;
}
