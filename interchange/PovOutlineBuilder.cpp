#include "interchange/PovOutlineBuilder.h"

#include "interchange/PovObjectWords.h"
#include "model/ModelUnits.h"

bool PovOutlineBuilder::Build(const std::vector<Point2>& listed, const std::vector<int>& lines) {
    if (IsTurnedKind(_outline.kind) ? !MakeProfile(listed, lines) : !MakeSets(listed, lines)) {
        return false;
    }
    ToModelUnits();
    return true;
}

bool PovOutlineBuilder::MakeSets(const std::vector<Point2>& listed, const std::vector<int>& lines) {
    int spline = _outline.kind == Prism ? _outline.prism.spline : LinearSpline;
    _outline.prism.spline = spline;
    size_t i = 0;
    int unclosed = 0;
    while (i < listed.size()) {
        Outline::Set set;
        if (spline == QuadraticSpline || spline == CubicSpline) {
            set.hasControl = true;
            set.control = listed[i++];
            if (i == listed.size()) {
                _report.Note(
                    Printed("line %d: a control point with no points after it is "
                            "left out",
                            lines[i - 1]));
                break;
            }
        }
        bool closed =
            spline == BezierSpline ? BezierSet(listed, lines, i, set) : PointSet(listed, i, set);
        if (!_report.error.empty()) {
            return false;
        }
        unclosed += closed ? 0 : 1;
        if (spline == CubicSpline && closed && i < listed.size()) {
            set.trailing = listed[i++];
        }
        _outline.sets.push_back(set);
    }
    NoteUnclosedSets(unclosed);
    return true;
}

// A lathe or a surface of revolution is one profile: the set of its points, with a lathe's
// slope points and handles as the editor keeps them. A lathe profile that ends on its first
// point is closed; any other is open, as is every surface of revolution's.
bool PovOutlineBuilder::MakeProfile(const std::vector<Point2>& listed,
                                    const std::vector<int>& lines) {
    const int spline = _outline.kind == Lathe ? _outline.prism.spline : LinearSpline;
    _outline.prism.spline = spline;
    Outline::Set set;
    size_t first = 0;
    size_t end = listed.size();
    if ((spline == QuadraticSpline || spline == CubicSpline) && !listed.empty()) {
        set.hasControl = true;
        set.control = listed[first++];
        if (spline == CubicSpline && end > 2) {
            set.trailing = listed[--end];
        }
    }
    if (spline == BezierSpline) {
        if (!BezierProfile(listed, lines, set)) {
            return false;
        }
    } else {
        set.points.assign(listed.begin() + static_cast<long>(first),
                          listed.begin() + static_cast<long>(end));
    }
    const bool closed = _outline.kind == Lathe && set.points.size() >= 2 &&
                        Same(set.points.back(), set.points.front());
    if (closed) {
        set.points.pop_back();
    }
    set.segments.resize(set.points.size());
    if (_outline.kind == Lathe) {
        _outline.prism.open = closed ? 0 : 1;
    }
    if (!set.points.empty()) {
        _outline.sets.push_back(set);
    }
    return true;
}

// Every group of four is a segment, each starting where the one before it ends.
bool PovOutlineBuilder::BezierProfile(const std::vector<Point2>& listed,
                                      const std::vector<int>& lines, Outline::Set& set) {
    if (listed.size() % 4 != 0) {
        return _report.Fail(Printed("line %d: a bezier_spline takes four points per segment",
                                    lines[listed.size() / 4 * 4]));
    }
    for (size_t i = 0; i < listed.size(); i += 4) {
        if (i > 0 && !Same(listed[i], listed[i - 1])) {
            return _report.Fail(
                Printed("line %d: a bezier segment begins away from the end of the one "
                        "before it",
                        lines[i]));
        }
        set.points.push_back(listed[i]);
        set.segments.push_back({true, listed[i + 1], listed[i + 2]});
    }
    if (!listed.empty()) {
        set.points.push_back(listed.back());
    }
    return true;
}

void PovOutlineBuilder::NoteUnclosedSets(int unclosed) {
    if (unclosed > 0) {
        _report.Note(
            Printed("Sets that did not return to their first point, closed with a "
                    "straight line: %d",
                    unclosed));
    }
}

// Points up to the one that repeats the set's first point; true when that repeat was found.
bool PovOutlineBuilder::PointSet(const std::vector<Point2>& listed, size_t& i, Outline::Set& set) {
    Point2 first = listed[i++];
    set.points.push_back(first);
    while (i < listed.size() && !Same(listed[i], first)) {
        set.points.push_back(listed[i++]);
    }
    if (i == listed.size()) {
        return false;
    }
    ++i;
    return true;
}

// Segments of four points up to the one that ends on the set's first point.
bool PovOutlineBuilder::BezierSet(const std::vector<Point2>& listed, const std::vector<int>& lines,
                                  size_t& i, Outline::Set& set) {
    Point2 first = listed[i];
    set.points.push_back(first);
    while (i + 4 <= listed.size()) {
        if (!Same(listed[i], set.points.back())) {
            _report.Fail(
                Printed("line %d: a bezier segment begins away from the end of the "
                        "one before it",
                        lines[i]));
            return false;
        }
        set.segments.push_back({true, listed[i + 1], listed[i + 2]});
        const Point2& end = listed[i + 3];
        i += 4;
        if (Same(end, first)) {
            return true;
        }
        set.points.push_back(end);
    }
    if (i < listed.size()) {
        _report.Fail(Printed("line %d: a bezier_spline takes four points per segment", lines[i]));
        return false;
    }
    set.segments.push_back(Outline::Segment{});
    return false;
}

void PovOutlineBuilder::ToModelUnits() {
    auto convert = [](Point2& p) {
        p = {p.x * ModelUnitsPerFileUnit, p.y * -ModelUnitsPerFileUnit};
    };
    for (Outline::Set& set : _outline.sets) {
        for (Point2& p : set.points) {
            convert(p);
        }
        for (Outline::Segment& s : set.segments) {
            convert(s.handle1);
            convert(s.handle2);
        }
        convert(set.control);
        if (set.trailing) {
            convert(*set.trailing);
        }
    }
}
