#pragma once

#include <vector>

#include "model/Point2.h"

// Closed rings in file units (y up), the last point joined back to the first one without a
// repeat. A region is a list of rings filled by the even-odd rule, as the ray tracer fills a
// prism's sub-outlines.
using Ring = std::vector<Point2>;
using Rings = std::vector<Ring>;

enum class RegionOperation { Union, Difference, Intersection, Xor };
enum class OffsetJoin { Round, Miter, Square };
enum class PathEnds { Butt, Round };

// The integer grid the clipping runs on: a point p becomes round((p - centre) * scale). The
// scale is a power of two chosen so that the drawing, with the room an offset needs around it,
// spans about 2^31 steps (some 2 * 10^9): outlines made of straight lines come back exact to
// that grid.
struct RegionGrid {
    Point2 centre{0, 0};
    double scale = 1;

    // The grid for every point of the rings, with `room` file units to spare on every side.
    static RegionGrid For(const std::vector<const Rings*>& regions, double room);
    double Steps(double fileUnits) const { return fileUnits * scale; }
};

// Each region in its own even-odd fill, combined in order: the union of all, the first less
// all the others, what all have in common, or what an odd number of them cover. The result's
// rings never cross; its outer rings run anticlockwise and its holes clockwise.
Rings CombineRegions(const std::vector<Rings>& regions, RegionOperation operation,
                     const RegionGrid& grid);

// The region the rings fill by the non-zero rule (as a font means its glyphs' contours), as
// rings that never cross, outer ones anticlockwise and holes clockwise: the even-odd rule fills
// them alike.
Rings NonZeroRegion(const Rings& rings, const RegionGrid& grid);

// The region grown by `by` file units (shrunk where it is negative), corners joined as asked;
// arcs stay within arcTolerance of true circles.
Rings OffsetRegion(const Rings& region, double by, OffsetJoin join, double arcTolerance,
                   const RegionGrid& grid);

// Every point within `by` file units of the open line, its ends cut square or rounded.
Rings OffsetOpenLine(const Ring& line, double by, PathEnds ends, double arcTolerance,
                     const RegionGrid& grid);

// The area of a region filled by the even-odd rule, in square file units.
double EvenOddArea(const Rings& region);

// Whether the point lies inside the ring, by the even-odd rule.
bool RingContains(const Ring& ring, const Point2& point);

// The signed area of a ring: positive when it runs anticlockwise.
double SignedArea(const Ring& ring);

// The rings with every point removed that lies within `distance` file units of the line
// through its neighbours; rings that dwindle away are left out.
Rings SimplifiedRings(const Rings& rings, double distance);
