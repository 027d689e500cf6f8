#include "interchange/OutlinePreparation.h"

#include <algorithm>
#include <cmath>

#include "interchange/OutlineGeometry.h"
#include "interchange/OutlineSimplifier.h"
#include "model/KCanvasPane.h"

namespace {

// Curves are flattened to within a quarter of a model unit: a quarter pixel at zoom 1.
constexpr double FlattenTolerance = 0.25;
// Flattened curves need follow the curve no closer than the drawing's 500 entries can: eight
// pieces for each entry keep the flattening's error well below what simplifying to the entries
// leaves, and the time and memory it takes bounded whatever the curves.
constexpr size_t FlattenBudget = 8 * MaxPoints;
// Coordinates beyond this are no drawing anyone could see, and would lose every digit that
// the file keeps.
constexpr double LargestUsable = 1e9;

bool Same(const Point2& a, const Point2& b) {
    return a.x == b.x && a.y == b.y;
}

// Merges a point into the one before it where the straight segment between them has no
// length; the segment that left the merged point then leaves the one it was merged into. A
// curve keeps its points: its handles still shape it. The set's first point stays first: a
// last point on it is the one merged.
void MergeRepeats(Outline::Set& set) {
    std::vector<Point2>& points = set.points;
    std::vector<Outline::Segment>& segments = set.segments;
    auto curved = [&](size_t j) { return !segments.empty() && segments[j].curved; };
    size_t kept = 0;
    for (size_t i = 0; i < points.size(); ++i) {
        bool merged = kept > 0 && !curved(kept - 1) && Same(points[kept - 1], points[i]);
        size_t to = merged ? kept - 1 : kept++;
        points[to] = points[i];
        if (!segments.empty()) {
            segments[to] = segments[i];
        }
    }
    while (kept > 1 && !curved(kept - 1) && Same(points[kept - 1], points[0])) {
        --kept;
    }
    points.resize(kept);
    segments.resize(segments.empty() ? 0 : kept);
}

// Sets that enclose nothing: fewer than three points, or two joined by a curve.
int DropEmptySets(Outline& outline) {
    size_t before = outline.sets.size();
    for (Outline::Set& set : outline.sets) {
        MergeRepeats(set);
    }
    auto empty = [](const Outline::Set& set) {
        return set.points.size() < (set.HasCurves() ? 2u : 3u);
    };
    outline.sets.erase(std::remove_if(outline.sets.begin(), outline.sets.end(), empty),
                       outline.sets.end());
    return static_cast<int>(before - outline.sets.size());
}

// Snaps and tidies: the steps every change of the points is followed by. Equal points are
// merged first as well, since snapping one costs far more than merging it.
int SnapAndTidy(Outline& outline) {
    int dropped = DropEmptySets(outline);
    SnapToWrittenValues(outline);
    return dropped + DropEmptySets(outline);
}

// The smallest move of x that the written file still shows. Six digits keep less of a larger
// number, so the step starts well below what they show at the point's magnitude and doubles
// until the written value changes. False when no step is found.
bool Nudge(Point2& p, const Point2& first) {
    double step = std::max(std::fabs(p.x), 1e-3) * 1e-6;
    Point2 moved = p;
    for (int tries = 0; tries < 64 && Same(moved, first); ++tries) {
        moved = AsWritten({p.x + step, p.y});
        step *= 2;
    }
    p = moved;
    return !Same(moved, first);
}

// The number of points moved, or -1 when one cannot be.
int NudgeFirstPointRepeats(Outline& outline) {
    int nudged = 0;
    for (Outline::Set& set : outline.sets) {
        for (size_t j = 1; j < set.points.size(); ++j) {
            if (Same(set.points[j], set.points[0])) {
                if (!Nudge(set.points[j], set.points[0])) {
                    return -1;
                }
                ++nudged;
            }
        }
    }
    return nudged;
}

// A trailing control line given for the points as they were belongs to no other points.
void DropTrailingControls(Outline& outline) {
    for (Outline::Set& set : outline.sets) {
        set.trailing.reset();
    }
}

// What the drawing's capacity is called in a note: the whole of it, or what is left of it.
const char* HeldBy(int capacity, int whole) {
    return capacity == whole ? "a drawing holds" : "the drawing has room for";
}

void Simplify(Outline& outline, int entries, ImportReport& report) {
    DropTrailingControls(outline);
    int needed = outline.EntryCount();
    bool curved = outline.HasCurves();
    double flattening = 0;
    if (curved) {
        flattening = FlattenCurves(outline, FlattenTolerance, FlattenBudget);
        SnapAndTidy(outline);
        outline.prism.spline = LinearSpline;
    }
    double tolerance = SimplifyToCapacity(outline, entries) + flattening;
    DropEmptySets(outline);
    report.Note(
        Printed("The outline needs %d entries, more than the %d %s: "
                "simplified%s to %d entries, within %.3g file units of the original outline",
                needed, entries, HeldBy(entries, MaxPoints), curved ? " into a linear outline" : "",
                outline.EntryCount(), tolerance / ModelUnitsPerFileUnit));
}

void MatchSpline(Outline& outline, int spline, ImportReport& report) {
    if (spline != outline.prism.spline) {
        DropTrailingControls(outline);
    }
    outline.prism.spline = spline;
    if (spline == BezierSpline || !outline.HasCurves()) {
        return;
    }
    if (spline == LinearSpline) {
        FlattenCurves(outline, FlattenTolerance, FlattenBudget);
        report.Note("Curves were made into straight segments for a linear spline");
        return;
    }
    for (Outline::Set& set : outline.sets) {
        set.segments.clear();
    }
    report.Note("Bezier handles are not kept: a quadratic or cubic spline has none");
}

// What every import checks first: finite coordinates, fitted when asked for, within reach.
bool CheckAndFit(Outline& outline, bool fit, void (*fitting)(Outline&), ImportReport& report) {
    if (!AllFinite(outline)) {
        return report.Fail("The outline has coordinates that are not finite numbers");
    }
    if (fit) {
        fitting(outline);
    }
    if (LargestCoordinate(outline) > LargestUsable) {
        return report.Fail(
            Printed("The outline reaches beyond %g file units from the centre; "
                    "--fit scales it into the canvas",
                    LargestUsable / ModelUnitsPerFileUnit));
    }
    return true;
}

}  // namespace

bool PrepareProfiles(Outline& outline, bool fit, ImportReport& report) {
    if (!CheckAndFit(outline, fit, FitProfilesIntoCanvas, report)) {
        return false;
    }
    SnapToWrittenValues(outline);
    if (outline.sets.empty()) {
        return report.Fail("Nothing to import: no profile with a point");
    }
    if (outline.sets.size() > static_cast<size_t>(MaxSets) || outline.EntryCount() > MaxPoints) {
        return report.Fail(
            Printed("The profiles need %zu sets and %d entries; a drawing holds at "
                    "most %d sets and %d entries",
                    outline.sets.size(), outline.EntryCount(), MaxSets, MaxPoints));
    }
    return true;
}

bool PrepareOutline(Outline& outline, int spline, bool fit, ImportReport& report) {
    return PrepareOutline(outline, spline, fit, report, {MaxPoints, MaxSets});
}

bool PrepareOutline(Outline& outline, int spline, bool fit, ImportReport& report, Room room) {
    if (!CheckAndFit(outline, fit, FitIntoCanvas, report)) {
        return false;
    }
    MatchSpline(outline, spline, report);
    int dropped = SnapAndTidy(outline);
    if (dropped > 0) {
        report.Note(Printed("Sets with too few points to enclose anything left out: %d", dropped));
    }
    if (outline.sets.empty()) {
        return report.Fail("Nothing to import: no closed outline with at least three points");
    }
    if (outline.sets.size() > static_cast<size_t>(room.sets)) {
        return report.Fail(Printed("The outline has %zu sets; %s at most %d", outline.sets.size(),
                                   HeldBy(room.sets, MaxSets), room.sets));
    }
    if (outline.EntryCount() > room.entries) {
        Simplify(outline, room.entries, report);
    }
    int nudged = NudgeFirstPointRepeats(outline);
    if (nudged < 0) {
        return report.Fail(
            "A point on its set's first point, where the file would end the "
            "set, cannot be moved off it");
    }
    if (nudged > 0) {
        report.Note(
            Printed("Points on their set's first point, where the file would end the set, "
                    "moved by the smallest step the file shows: %d",
                    nudged));
    }
    return true;
}
