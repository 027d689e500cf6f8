#include "model/RegionClipping.h"

#include <polyclipping/clipper.hpp>

#include <algorithm>
#include <cmath>

namespace {

using ClipperLib::cInt;
using ClipperLib::IntPoint;
using ClipperLib::Path;
using ClipperLib::Paths;

// The largest distance from the centre, in steps: within the clipping library's fast range.
constexpr double HalfSpan = 1073741823.0;  // 2^30 - 1

IntPoint ToGrid(const Point2& p, const RegionGrid& grid) {
    return {static_cast<cInt>(std::llround((p.x - grid.centre.x) * grid.scale)),
            static_cast<cInt>(std::llround((p.y - grid.centre.y) * grid.scale))};
}

Point2 FromGrid(const IntPoint& p, const RegionGrid& grid) {
    return {static_cast<double>(p.X) / grid.scale + grid.centre.x,
            static_cast<double>(p.Y) / grid.scale + grid.centre.y};
}

Paths ToPaths(const Rings& rings, const RegionGrid& grid) {
    Paths paths;
    paths.reserve(rings.size());
    for (const Ring& ring : rings) {
        Path path;
        path.reserve(ring.size());
        for (const Point2& p : ring) {
            path.push_back(ToGrid(p, grid));
        }
        paths.push_back(std::move(path));
    }
    return paths;
}

Rings FromPaths(const Paths& paths, const RegionGrid& grid) {
    Rings rings;
    rings.reserve(paths.size());
    for (const Path& path : paths) {
        if (path.size() < 3) {
            continue;
        }
        Ring ring;
        ring.reserve(path.size());
        for (const IntPoint& p : path) {
            ring.push_back(FromGrid(p, grid));
        }
        rings.push_back(std::move(ring));
    }
    return rings;
}

// Two sets of paths, each filled by its own rule, clipped: the result never crosses itself
// (rings may touch at a point), so that the even-odd rule and the non-zero rule fill it alike.
Paths Clip(const Paths& subject, ClipperLib::PolyFillType subjectFill, const Paths& clip,
           ClipperLib::PolyFillType clipFill, ClipperLib::ClipType type) {
    ClipperLib::Clipper clipper;
    clipper.AddPaths(subject, ClipperLib::ptSubject, true);
    clipper.AddPaths(clip, ClipperLib::ptClip, true);
    Paths result;
    clipper.Execute(type, result, subjectFill, clipFill);
    return result;
}

Paths EvenOddRegion(const Rings& rings, const RegionGrid& grid) {
    return Clip(ToPaths(rings, grid), ClipperLib::pftEvenOdd, {}, ClipperLib::pftEvenOdd,
                ClipperLib::ctUnion);
}

ClipperLib::ClipType TypeOf(RegionOperation operation) {
    switch (operation) {
        case RegionOperation::Difference:
            return ClipperLib::ctDifference;
        case RegionOperation::Intersection:
            return ClipperLib::ctIntersection;
        case RegionOperation::Xor:
            return ClipperLib::ctXor;
        default:
            return ClipperLib::ctUnion;
    }
}

ClipperLib::JoinType JoinOf(OffsetJoin join) {
    switch (join) {
        case OffsetJoin::Miter:
            return ClipperLib::jtMiter;
        case OffsetJoin::Square:
            return ClipperLib::jtSquare;
        default:
            return ClipperLib::jtRound;
    }
}

Paths Offset(const Paths& paths, ClipperLib::JoinType join, ClipperLib::EndType ends, double by,
             double arcTolerance, const RegionGrid& grid) {
    ClipperLib::ClipperOffset offset(2.0, std::max(grid.Steps(arcTolerance), 0.25));
    offset.AddPaths(paths, join, ends);
    Paths result;
    offset.Execute(result, grid.Steps(by));
    // The offset's rings may touch one another; clipped once more they never cross.
    return Clip(result, ClipperLib::pftNonZero, {}, ClipperLib::pftNonZero, ClipperLib::ctUnion);
}

}  // namespace

RegionGrid RegionGrid::For(const std::vector<const Rings*>& regions, double room) {
    double left = HUGE_VAL;
    double right = -HUGE_VAL;
    double bottom = HUGE_VAL;
    double top = -HUGE_VAL;
    for (const Rings* rings : regions) {
        for (const Ring& ring : *rings) {
            for (const Point2& p : ring) {
                left = std::min(left, p.x);
                right = std::max(right, p.x);
                bottom = std::min(bottom, p.y);
                top = std::max(top, p.y);
            }
        }
    }
    RegionGrid grid;
    if (!(left <= right)) {
        return grid;
    }
    grid.centre = {(left + right) / 2, (bottom + top) / 2};
    const double half = std::max(right - left, top - bottom) / 2 + std::fabs(room);
    grid.scale = half > 0 ? std::exp2(std::floor(std::log2(HalfSpan / half))) : 1;
    return grid;
}

Rings CombineRegions(const std::vector<Rings>& regions, RegionOperation operation,
                     const RegionGrid& grid) {
    if (regions.empty()) {
        return {};
    }
    Paths result = EvenOddRegion(regions[0], grid);
    if (operation == RegionOperation::Union || operation == RegionOperation::Difference) {
        // All the others at once: their union is what is added or taken away.
        Paths others;
        for (size_t k = 1; k < regions.size(); ++k) {
            const Paths region = EvenOddRegion(regions[k], grid);
            others.insert(others.end(), region.begin(), region.end());
        }
        result =
            Clip(result, ClipperLib::pftNonZero, others, ClipperLib::pftNonZero, TypeOf(operation));
    } else {
        for (size_t k = 1; k < regions.size(); ++k) {
            result = Clip(result, ClipperLib::pftNonZero, EvenOddRegion(regions[k], grid),
                          ClipperLib::pftNonZero, TypeOf(operation));
        }
    }
    return FromPaths(result, grid);
}

Rings NonZeroRegion(const Rings& rings, const RegionGrid& grid) {
    return FromPaths(Clip(ToPaths(rings, grid), ClipperLib::pftNonZero, {}, ClipperLib::pftNonZero,
                          ClipperLib::ctUnion),
                     grid);
}

Rings OffsetRegion(const Rings& region, double by, OffsetJoin join, double arcTolerance,
                   const RegionGrid& grid) {
    return FromPaths(Offset(EvenOddRegion(region, grid), JoinOf(join), ClipperLib::etClosedPolygon,
                            by, arcTolerance, grid),
                     grid);
}

Rings OffsetOpenLine(const Ring& line, double by, PathEnds ends, double arcTolerance,
                     const RegionGrid& grid) {
    const ClipperLib::EndType endType =
        ends == PathEnds::Round ? ClipperLib::etOpenRound : ClipperLib::etOpenButt;
    return FromPaths(
        Offset(ToPaths({line}, grid), ClipperLib::jtRound, endType, by, arcTolerance, grid), grid);
}

double SignedArea(const Ring& ring) {
    double twice = 0;
    for (size_t i = 0, n = ring.size(); i < n; ++i) {
        const Point2& a = ring[i];
        const Point2& b = ring[(i + 1) % n];
        twice += a.x * b.y - b.x * a.y;
    }
    return twice / 2;
}

bool RingContains(const Ring& ring, const Point2& point) {
    bool inside = false;
    for (size_t i = 0, n = ring.size(), j = n - 1; i < n; j = i++) {
        const Point2& a = ring[i];
        const Point2& b = ring[j];
        if ((a.y > point.y) != (b.y > point.y) &&
            point.x < (b.x - a.x) * (point.y - a.y) / (b.y - a.y) + a.x) {
            inside = !inside;
        }
    }
    return inside;
}

double EvenOddArea(const Rings& region) {
    const RegionGrid grid = RegionGrid::For({&region}, 0);
    double area = 0;
    for (const Ring& ring : FromPaths(EvenOddRegion(region, grid), grid)) {
        area += SignedArea(ring);
    }
    return area;
}

Rings SimplifiedRings(const Rings& rings, double distance) {
    const RegionGrid grid = RegionGrid::For({&rings}, 0);
    Paths paths = ToPaths(rings, grid);
    ClipperLib::CleanPolygons(paths, grid.Steps(distance));
    return FromPaths(paths, grid);
}
