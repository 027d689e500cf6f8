#include "model/DrawingSnapshot.h"

#include <algorithm>
#include <cstring>

namespace {

template <typename T, size_t N>
void CopyOut(const T* from, std::array<T, N>& to) {
    std::copy(from, from + N, to.begin());
}

template <typename T, size_t N>
void CopyIn(const std::array<T, N>& from, T* to) {
    std::copy(from.begin(), from.end(), to);
}

std::array<char*, 3> RemarksOf(const KCanvasPane& canvas) {
    return {canvas.remark1, canvas.remark2, canvas.remark3};
}

// Coordinates compare by value: a snapshot taken before and after a gesture that moved nothing
// must be equal even where the arithmetic produced -0 for 0.
bool SamePoints(const std::array<Point2, MaxPoints>& a, const std::array<Point2, MaxPoints>& b) {
    return std::equal(a.begin(), a.end(), b.begin(),
                      [](const Point2& p, const Point2& q) { return p.x == q.x && p.y == q.y; });
}

bool SameRemarks(const std::array<std::array<char, RemarkSize>, 3>& a,
                 const std::array<std::array<char, RemarkSize>, 3>& b) {
    for (size_t line = 0; line < a.size(); ++line) {
        if (std::strncmp(a[line].data(), b[line].data(), RemarkSize) != 0) {
            return false;
        }
    }
    return true;
}

}  // namespace

DrawingSnapshot DrawingSnapshot::Of(const KCanvasPane& canvas) {
    DrawingSnapshot shot;
    shot.pointCount = canvas.pointCount;
    shot.setCount = canvas.setCount;
    CopyOut(canvas.points, shot.points);
    CopyOut(canvas.control1, shot.control1);
    CopyOut(canvas.control2, shot.control2);
    CopyOut(canvas.setEnds, shot.setEnds);
    const std::array<char*, 3> lines = RemarksOf(canvas);
    for (size_t line = 0; line < lines.size(); ++line) {
        CopyOut(lines[line], shot.remarks[line]);
        shot.remarks[line][RemarkSize - 1] = '\0';
    }
    shot.prism = canvas.GetPrismValues();
    return shot;
}

void DrawingSnapshot::RestoreInto(KCanvasPane& canvas) const {
    canvas.pointCount = pointCount;
    canvas.setCount = setCount;
    CopyIn(points, canvas.points);
    CopyIn(control1, canvas.control1);
    CopyIn(control2, canvas.control2);
    CopyIn(setEnds, canvas.setEnds);
    const std::array<char*, 3> lines = RemarksOf(canvas);
    for (size_t line = 0; line < lines.size(); ++line) {
        CopyIn(remarks[line], lines[line]);
    }
    canvas.SetPrismValues(prism);
}

bool DrawingSnapshot::operator==(const DrawingSnapshot& other) const {
    return pointCount == other.pointCount && setCount == other.setCount &&
           SamePoints(points, other.points) && SamePoints(control1, other.control1) &&
           SamePoints(control2, other.control2) && setEnds == other.setEnds &&
           SameRemarks(remarks, other.remarks) && prism == other.prism;
}
