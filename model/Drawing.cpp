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

}  // namespace

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
           std::equal(a.nodeTypes, a.nodeTypes + MaxPoints, b.nodeTypes) && a.name == b.name &&
           a.trailingControls == b.trailingControls;
}

bool Drawing::operator==(const Drawing& other) const {
    return kind == other.kind && SameParts(*this, other);
}
