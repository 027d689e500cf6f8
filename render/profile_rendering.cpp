#include <algorithm>
#include <vector>

#include "model/CurveFlattening.h"
#include "model/KCanvasPane.h"
#include "model/ProfileCurves.h"
#include "model/ProfileRules.h"
#include "model/WrittenPoints.h"

// A lathe or a surface of revolution on the canvas: the axis it turns about, every profile
// mirrored across it in a light colour (the silhouette of the turned object), POV-Ray's own
// curve of every profile, the points that shape it and the points that break a rule of the
// ray tracer. Everything comes from the list the writer writes, so the canvas shows the file.

namespace {

const vPen AxisPen(60, 100, 190, 1, StyleDashDot);
const vPen MirrorPen(170, 190, 235, 1, StyleSolid);
const vPen OutlinePen(0, 0, 0, 1, StyleSolid);
const vPen HandlePen(250, 100, 35, 1, StyleSolid);
const vBrush HandleBrush(250, 100, 35);
const vPen BrokenPen(220, 0, 0, 1, StyleSolid);
const vBrush BrokenBrush(220, 0, 0);
const vBrush BlackBrush(0, 0, 0);

// A broken point's marker: larger than the normal ones, which it covers.
constexpr int BrokenSize = 7;

// The point of the list a slope point or handle bends: a leading slope point the point after
// it, an end slope point the one before; a bezier segment's first handle its start, its second
// its end.
int BentPoint(const WrittenPointList& list, size_t i) {
    const WrittenEntry& entry = list.entries[i];
    const bool after =
        entry.role == WrittenRole::LeadingControl ||
        (entry.role == WrittenRole::Control && entry.source == WrittenSource::Control2);
    const size_t bent = after ? i + 1 : i - 1;
    if ((!after && i == 0) || bent >= list.entries.size() ||
        list.entries[bent].role != WrittenRole::Point) {
        return -1;
    }
    return static_cast<int>(bent);
}

}  // namespace

void KCanvasPane::DrawTurnedPicture(bool withMarks) {
    const int kind = shapeKind;
    const int spline = CurveSpline();
    const WrittenPointList list = WrittenPoints(*this, kind);
    UsePen(AxisPen);
    PaintLine(PixelX(0), 0, PixelX(0), TruncatePixel(2 * originY));

    // POV-Ray's curves as every picture of them is drawn, through the view; the mirror image
    // turns file x about the axis first.
    FlattenOptions flatten = ExactFlattening();
    const Affine2 toPixels = flatten.map;
    Polylines lines;
    flatten.map = toPixels * Affine2{-1, 0, 0, 1, 0, 0};
    FlattenProfiles(list, kind, spline, flatten, lines);
    UsePen(MirrorPen);
    PaintPolylines(lines);
    lines.Clear();
    flatten.map = toPixels;
    FlattenProfiles(list, kind, spline, flatten, lines);
    UsePen(OutlinePen);
    PaintPolylines(lines);
    if (withMarks) {
        DrawProfileHandles(list);
        DrawProfileMarkers();
        DrawBrokenRules(list, ProfileRuleBreaks(list, kind, spline));
    }
    UsePen(OutlinePen);
    UseBrush(BlackBrush);
}

// Every slope point and handle the list has, joined to the point it bends. A surface of
// revolution's first and last points only give its slopes: they are joined to their neighbours
// alike.
void KCanvasPane::DrawProfileHandles(const WrittenPointList& list) {
    UsePen(HandlePen);
    UseBrush(HandleBrush);
    auto join = [this](const Point2& from, const Point2& to) {
        PaintLine(PixelX(from.x), PixelY(from.y), PixelX(to.x), PixelY(to.y));
    };
    const std::vector<WrittenSet> profiles =
        shapeKind == Sor ? WrittenSets(list) : std::vector<WrittenSet>();
    for (const WrittenSet& profile : profiles) {
        const size_t first = static_cast<size_t>(profile.first);
        const size_t last = first + profile.values.size() - 1;
        if (last > first) {
            join(list.entries[first].model, list.entries[first + 1].model);
            join(list.entries[last].model, list.entries[last - 1].model);
        }
    }
    for (size_t i = 0; i < list.entries.size(); ++i) {
        const int bent = BentPoint(list, i);
        if (list.entries[i].role == WrittenRole::Point || bent < 0) {
            continue;
        }
        const Point2& handle = list.entries[i].model;
        join(list.entries[static_cast<size_t>(bent)].model, handle);
        PaintEllipse(PixelX(handle.x) - 2, PixelY(handle.y) - 2, 5, 5);
    }
}

// The outline picture's markers without its lines: a square at the first point of every set,
// the unfinished one's too, and a circle at every other point.
void KCanvasPane::DrawProfileMarkers() {
    UsePen(OutlinePen);
    UseBrush(BlackBrush);
    const int sets = std::clamp(setCount, 0, MaxSets);
    const int count = std::clamp(pointCount, 0, MaxPoints);
    int first = 0;
    for (int k = 1; k <= sets + 1; ++k) {
        const int end = k <= sets ? std::clamp(setEnds[k], first, count) : count;
        for (int i = first; i < end; ++i) {
            const int px = PixelX(points[i].x) - 2;
            const int py = PixelY(points[i].y) - 2;
            i == first ? PaintRectangle(px, py, 4, 4) : PaintEllipse(px, py, 5, 5);
        }
        first = end;
    }
}

void KCanvasPane::DrawBrokenRules(const WrittenPointList& list,
                                  const std::vector<RuleBreak>& breaks) {
    UsePen(BrokenPen);
    UseBrush(BrokenBrush);
    for (const RuleBreak& broken : breaks) {
        if (broken.entry < 0 || static_cast<size_t>(broken.entry) >= list.entries.size()) {
            continue;
        }
        const Point2& at = list.entries[static_cast<size_t>(broken.entry)].model;
        PaintEllipse(PixelX(at.x) - BrokenSize / 2, PixelY(at.y) - BrokenSize / 2, BrokenSize,
                     BrokenSize);
    }
}
