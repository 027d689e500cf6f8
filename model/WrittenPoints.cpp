#include "model/WrittenPoints.h"

#include <algorithm>
#include <cmath>

#include "model/EditState.h"
#include "model/KCanvasPane.h"
#include "model/ReadBack.h"

namespace {

// Set boundaries as the writer may use them: counts within the capacities and every set end
// between the previous one and the point count, whatever the model holds.
struct SetLayout {
    int points;
    int sets;
    int ends[SetEndEntries];

    // The set of an entry index: 1 .. sets, 0 for the open set.
    int SetOf(int index) const {
        for (int k = 1; k <= sets; ++k) {
            if (index < ends[k]) {
                return k;
            }
        }
        return 0;
    }
};

SetLayout LayoutOf(const Drawing& canvas) {
    SetLayout layout;
    layout.points = std::clamp(canvas.pointCount, 0, MaxPoints);
    layout.sets = std::clamp(canvas.setCount, 0, MaxSets);
    layout.ends[0] = 0;
    for (int k = 1; k <= layout.sets; ++k) {
        layout.ends[k] = std::clamp(canvas.setEnds[k], layout.ends[k - 1], layout.points);
    }
    return layout;
}

Point2 FileOf(const Point2& model) {
    return {KCanvasPane::FileX(model.x), KCanvasPane::FileY(model.y)};
}

// A cubic outline's closing control line as the writer works it out, file units: its first
// point less its control point, from the numbers as written.
Point2 WorkedOutClosingControl(const Drawing& drawing, int first) {
    const Point2 point = ReadBack(FileOf(drawing.points[first]));
    const Point2 control = ReadBack(FileOf(drawing.control1[first]));
    return {point.x - control.x, point.y - control.y};
}

// A cubic lathe profile's end slope point as the writer works it out, file units: a quarter of
// the way back from its last point to the one before it.
Point2 WorkedOutEndSlope(const Drawing& drawing, int last, int before) {
    const Point2 end = ReadBack(FileOf(drawing.points[last]));
    const Point2 previous = ReadBack(FileOf(drawing.points[before]));
    return {end.x + (previous.x - end.x) / 4, end.y + (previous.y - end.y) / 4};
}

// The closed outlines of the point list, found as the reader finds them again: an outline ends
// at the first point that reads back equal to its own first point. For a drawing whose sets
// close only at their ends these are its sets; a set holding several outlines, such as the last
// set into which the editor merges the outlines beyond the table, is written as several, each
// with its own control points, so that the reader and the ray tracer see every outline.
struct Outlines {
    int count = 0;
    int ends[MaxPoints + 1] = {};  // ends[j]: one past the closing point of outline j (1-based)
    int openFirst = 0;             // the points from here on form no closed outline
};

Outlines OutlinesOf(const Drawing& canvas, int pointCount) {
    Outlines outlines;
    Point2 first{0, 0};
    for (int i = 0; i < pointCount; ++i) {
        Point2 read = ReadBack(FileOf(canvas.points[i]));
        if (i == outlines.openFirst) {
            first = read;
        } else if (read.x == first.x && read.y == first.y) {
            outlines.ends[++outlines.count] = i + 1;
            outlines.openFirst = i + 1;
        }
    }
    return outlines;
}

int DeclaredCount(const SetLayout& layout, const Outlines& outlines, int spline) {
    switch (spline) {
        case QuadraticSpline:
            return layout.points + outlines.count;
        case CubicSpline:
            return layout.points + 2 * outlines.count;
        case BezierSpline:
            return 4 * (layout.points - outlines.count);
        default:
            return layout.points;
    }
}

class ListBuilder {
public:
    ListBuilder(const Drawing& canvas, const SetLayout& layout, WrittenPointList& list)
        : _canvas(canvas), _layout(layout), _entries(list.entries), _markers(list.markers) {}

    void Add(WrittenSource source, int index, WrittenRole role) {
        const Point2& model = source == WrittenSource::Points     ? _canvas.points[index]
                              : source == WrittenSource::Control1 ? _canvas.control1[index]
                                                                  : _canvas.control2[index];
        _entries.push_back({FileOf(model), model, role, source, index, _layout.SetOf(index)});
    }

    void AddPoints(int from, int to) {
        for (int i = from; i < to; ++i) {
            Add(WrittenSource::Points, i, WrittenRole::Point);
        }
    }

    // Taken from the numbers as written, so that the file read back writes it again to the
    // digit, unless the file the outline came from gave another.
    void AddFirstLessControl(int first, int end) {
        if (AddKept(first, end, WrittenSource::FirstLessControl, first)) {
            return;
        }
        AddClosingControl(WorkedOutClosingControl(_canvas, first), WrittenSource::FirstLessControl,
                          first);
    }

    // A quarter of the way back from the last point to the one before it: on the chord, so
    // its radius is never below both of theirs. A profile's file may have given another.
    void AddEndSlope(int first, int last, int before) {
        if (AddKept(first, last + 1, WrittenSource::EndSlope, last)) {
            return;
        }
        AddClosingControl(WorkedOutEndSlope(_canvas, last, before), WrittenSource::EndSlope, last);
    }

    void Mark(int set) { _markers.push_back({static_cast<int>(_entries.size()), set}); }

    // After an outline that ends set k, the marker of the next set, when there is one.
    void MarkSetEnd(int end) {
        for (int k = 1; k < _layout.sets; ++k) {
            if (_layout.ends[k] == end) {
                Mark(k + 1);
                return;
            }
        }
    }

private:
    bool AddKept(int first, int end, WrittenSource source, int index) {
        const std::optional<Point2> kept = FindTrailingControl(
            _canvas.trailingControls, _canvas.points + first, end - first, _canvas.control1[first]);
        if (kept) {
            AddClosingControl(FileOf(*kept), source, index);
        }
        return kept.has_value();
    }

    // A closing control line worked out from the values written, in file units.
    void AddClosingControl(const Point2& file, WrittenSource source, int index) {
        _entries.push_back({file,
                            {file.x * ModelUnitsPerFileUnit, file.y * -ModelUnitsPerFileUnit},
                            WrittenRole::ClosingControl,
                            source,
                            index,
                            _layout.SetOf(index)});
    }

    const Drawing& _canvas;
    const SetLayout& _layout;
    std::vector<WrittenEntry>& _entries;
    std::vector<WrittenMarker>& _markers;
};

void ListLinear(const SetLayout& layout, ListBuilder& list) {
    for (int k = 1; k <= layout.sets; ++k) {
        list.AddPoints(layout.ends[k - 1], layout.ends[k]);
        if (k == 1) {
            list.Mark(1);
        }
    }
    list.AddPoints(layout.ends[layout.sets], layout.points);
}

// Quadratic and cubic: one control point per outline, written before its points; cubic closes
// every outline with a second control point mirrored through the outline's first point.
void ListOneControlPerOutline(const SetLayout& layout, const Outlines& outlines, bool cubic,
                              ListBuilder& list) {
    list.Add(WrittenSource::Control1, 0, WrittenRole::LeadingControl);
    for (int j = 1; j <= outlines.count; ++j) {
        int first = outlines.ends[j - 1];
        int end = outlines.ends[j];
        list.AddPoints(first, end);
        if (cubic) {
            list.AddFirstLessControl(first, end);
        }
        list.MarkSetEnd(end);
        if (end < layout.points) {
            list.Add(WrittenSource::Control1, end, WrittenRole::Control);
        }
    }
    list.AddPoints(outlines.openFirst, layout.points);
}

void ListBezierSegments(int first, int last, ListBuilder& list) {
    for (int j = first; j < last; ++j) {
        list.Add(WrittenSource::Points, j, WrittenRole::Point);
        list.Add(WrittenSource::Control1, j, WrittenRole::Control);
        list.Add(WrittenSource::Control2, j, WrittenRole::Control);
        list.Add(WrittenSource::Points, j + 1, WrittenRole::Point);
    }
}

void ListBezier(const SetLayout& layout, const Outlines& outlines, ListBuilder& list) {
    for (int j = 1; j <= outlines.count; ++j) {
        ListBezierSegments(outlines.ends[j - 1], outlines.ends[j] - 1, list);
        list.MarkSetEnd(outlines.ends[j]);
    }
    if (layout.points > outlines.openFirst) {
        ListBezierSegments(outlines.openFirst, layout.points - 1, list);
        list.AddPoints(layout.points - 1, layout.points);
    }
}

// One profile of a lathe from its points first .. last - 1: a leading slope point for quadratic
// and cubic, an end slope point for cubic, the handles of every segment for bezier. A bezier
// profile of a single point has no segment, and is listed as that point alone.
void ListLatheProfile(int spline, int first, int last, ListBuilder& list) {
    switch (spline) {
        case QuadraticSpline:
        case CubicSpline:
            list.Add(WrittenSource::Control1, first, WrittenRole::LeadingControl);
            list.AddPoints(first, last);
            if (spline == CubicSpline) {
                list.AddEndSlope(first, last - 1, std::max(last - 2, first));
            }
            break;
        case BezierSpline:
            if (last - first < 2) {
                list.AddPoints(first, last);
            }
            ListBezierSegments(first, last - 1, list);
            break;
        default:
            list.AddPoints(first, last);
            break;
    }
}

// A finished set's last entry is its closing repeat: a closed lathe's profile ends on it, an
// open one's and a surface of revolution's before it. The unfinished set is listed as it is.
void ListProfiles(const SetLayout& layout, int kind, int spline, bool open, ListBuilder& list) {
    bool repeat = kind == Lathe && !open;
    auto profile = [&](int first, int last) {
        if (kind == Lathe) {
            ListLatheProfile(spline, first, last, list);
        } else {
            list.AddPoints(first, last);
        }
    };
    for (int k = 1; k <= layout.sets; ++k) {
        int first = layout.ends[k - 1];
        int end = layout.ends[k];
        if (end - first < 1) {
            continue;
        }
        if (k > 1) {
            list.Mark(k);
        }
        profile(first, repeat || end - first == 1 ? end : end - 1);
    }
    if (layout.points > layout.ends[layout.sets]) {
        profile(layout.ends[layout.sets], layout.points);
    }
}

}  // namespace

WrittenPointList WrittenPoints(const KCanvasPane& canvas, int kind) {
    return WrittenPoints(canvas.Model(), static_cast<ShapeKind>(kind));
}

WrittenPointList WrittenPoints(const Drawing& canvas, ShapeKind kind) {
    int spline = kind == Polygon || kind == Sor ? LinearSpline : canvas.splineType;
    SetLayout layout = LayoutOf(canvas);
    if (IsTurnedKind(kind)) {
        WrittenPointList result;
        ListBuilder list(canvas, layout, result);
        ListProfiles(layout, kind, spline, canvas.isOpen == 1, list);
        result.declaredCount = static_cast<int>(result.entries.size());
        return result;
    }
    Outlines outlines = OutlinesOf(canvas, layout.points);
    WrittenPointList result;
    result.declaredCount = DeclaredCount(layout, outlines, spline);
    // An unfinished set adds at most a control point and its last point written twice.
    result.entries.reserve(static_cast<size_t>(result.declaredCount) + 4);
    ListBuilder list(canvas, layout, result);
    switch (spline) {
        case QuadraticSpline:
        case CubicSpline:
            ListOneControlPerOutline(layout, outlines, spline == CubicSpline, list);
            break;
        case BezierSpline:
            ListBezier(layout, outlines, list);
            break;
        default:
            ListLinear(layout, list);
            break;
    }
    return result;
}

std::vector<WrittenSet> WrittenSets(const WrittenPointList& list) {
    std::vector<WrittenSet> sets;
    for (size_t i = 0; i < list.entries.size(); ++i) {
        const WrittenEntry& entry = list.entries[i];
        if (sets.empty() || sets.back().set != entry.set) {
            sets.push_back({entry.set, static_cast<int>(i), {}});
        }
        sets.back().values.push_back(ReadBack(entry.file));
    }
    return sets;
}

void KeepTrailingControl(Drawing& drawing, int first, int end, const Point2& file, bool endSlope) {
    if (first < 0 || end > MaxPoints || end - first < (endSlope ? 1 : 2)) {
        return;
    }
    const Point2 workedOut = endSlope
                                 ? WorkedOutEndSlope(drawing, end - 1, std::max(end - 2, first))
                                 : WorkedOutClosingControl(drawing, first);
    const Point2 given = ReadBack(file);
    if (!std::isfinite(given.x) || !std::isfinite(given.y) ||
        (given.x == ReadBack(workedOut.x) && given.y == ReadBack(workedOut.y))) {
        return;
    }
    drawing.trailingControls.push_back(
        {std::vector<Point2>(drawing.points + first, drawing.points + end),
         drawing.control1[first],
         {given.x * ModelUnitsPerFileUnit, given.y * -ModelUnitsPerFileUnit}});
}
