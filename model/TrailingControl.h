#pragma once

#include <optional>
#include <vector>

#include "model/Point2.h"

// A control line that a file gave after an outline's last point and that differs from the one
// the writer works out: a cubic prism's closing control point, a cubic lathe profile's end
// slope point. It is kept with the outline as it was read (its points and its control point,
// model units) and belongs to any stretch of a drawing that is that outline, or its image under
// one affine map (moved, turned, scaled, mirrored), whatever the set's number is now. An edit
// of the outline's shape lets it go: the writer then works the line out again.
struct TrailingControl {
    std::vector<Point2> points;
    Point2 control;
    Point2 value;

    bool operator==(const TrailingControl& other) const;
};

// The value kept for the outline points[0 .. count) with its control point, carried by the map
// that carries the kept outline onto it; none when no kept outline maps onto it.
std::optional<Point2> FindTrailingControl(const std::vector<TrailingControl>& kept,
                                          const Point2* points, int count, const Point2& control);
