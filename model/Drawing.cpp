#include "model/Drawing.h"

#include <algorithm>
#include <cassert>
#include <cstring>

namespace {

// Coordinates compare by value: a drawing before and after a gesture that moved nothing must be
// equal even where the arithmetic produced -0 for 0.
bool SameValue(const Point2& p, const Point2& q) {
    return p.x == q.x && p.y == q.y;
}

bool SamePoints(const Point2 (&a)[MaxPoints], const Point2 (&b)[MaxPoints]) {
    return std::equal(a, a + MaxPoints, b, SameValue);
}

bool SameRemark(const char* a, const char* b) {
    return std::strncmp(a, b, RemarkSize) == 0;
}

bool SameOptional(const std::optional<Point2>& a, const std::optional<Point2>& b) {
    return a.has_value() == b.has_value() && (!a || SameValue(*a, *b));
}

bool SameClosingControls(const Drawing& a, const Drawing& b) {
    for (int set = 1; set <= MaxSets; ++set) {
        if (!SameOptional(a.ClosingControl(set), b.ClosingControl(set))) {
            return false;
        }
    }
    return true;
}

}  // namespace

std::optional<Point2> Drawing::ClosingControl(int set) const {
    const auto found = _closingControls.find(set);
    return found == _closingControls.end() ? std::nullopt : std::optional<Point2>(found->second);
}

void Drawing::SetClosingControl(int set, std::optional<Point2> control) {
    assert(set >= 1 && set <= MaxSets);
    if (control) {
        _closingControls[set] = *control;
    } else {
        _closingControls.erase(set);
    }
}

void Drawing::CheckInvariants() const {
    assert(pointCount >= 0 && pointCount <= MaxPoints);
    assert(setCount >= 0 && setCount <= MaxSets);
    assert(setEnds[0] == 0);
    for (int k = 1; k <= setCount && k < SetEndEntries; ++k) {
        assert(setEnds[k - 1] <= setEnds[k] && setEnds[k] <= pointCount);
    }
}

bool SameParts(const Drawing& a, const Drawing& b) {
    return a.pointCount == b.pointCount && a.setCount == b.setCount &&
           SamePoints(a.points, b.points) && SamePoints(a.control1, b.control1) &&
           SamePoints(a.control2, b.control2) &&
           std::equal(a.setEnds, a.setEnds + SetEndEntries, b.setEnds) &&
           SameRemark(a.remark1, b.remark1) && SameRemark(a.remark2, b.remark2) &&
           SameRemark(a.remark3, b.remark3) && a.prismStart == b.prismStart &&
           a.prismEnd == b.prismEnd && a.splineType == b.splineType && a.sweepType == b.sweepType &&
           a.useSturm == b.useSturm && a.isOpen == b.isOpen &&
           SameOptional(a.endSlope, b.endSlope) &&
           std::equal(a.nodeTypes, a.nodeTypes + MaxPoints, b.nodeTypes) && a.name == b.name &&
           SameClosingControls(a, b);
}

bool Drawing::operator==(const Drawing& other) const {
    return kind == other.kind && SameParts(*this, other);
}
