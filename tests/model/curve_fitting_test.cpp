#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "model/CurveFitting.h"
#include "model/SegmentDistance.h"
#include "support/OutlineDrawings.h"

namespace {

// A rounded rectangle 4 by 2, corner radius r, flattened into `steps` chords a corner.
std::vector<Point2> RoundedRectangle(double r, int steps) {
    std::vector<Point2> ring;
    const Point2 centres[] = {{2 - r, 1 - r}, {-2 + r, 1 - r}, {-2 + r, -1 + r}, {2 - r, -1 + r}};
    for (int corner = 0; corner < 4; ++corner) {
        for (int i = 0; i <= steps; ++i) {
            const double a = (corner + static_cast<double>(i) / steps) * M_PI / 2;
            ring.push_back(
                {centres[corner].x + r * std::cos(a), centres[corner].y + r * std::sin(a)});
        }
    }
    return ring;
}

// Every fitted curve stays within the tolerance of the polyline it was fitted to, sampled along
// its length; straight edges stay straight, their handles on their line.
TEST(CurveFitting, FollowsTheFlattenedOutline) {
    const struct {
        std::vector<Point2> ring;
        double straightEdge;
        size_t straightPieces;
    } rows[] = {
        {RoundedRectangle(1, 400), 1e300, 0},  // a circle
        {RoundedRectangle(0.5, 60), 0.9, 4},   // four sides and four rounded corners
        {RoundedRectangle(1e-9, 1), 0.9, 4},   // a rectangle: its corners are corners
    };
    for (const auto& row : rows) {
        FitOptions options;
        options.tolerance = 1e-4;
        options.straightEdge = row.straightEdge;
        const FittedOutline fitted = FitClosedPolyline(row.ring, options);
        EXPECT_LE(fitted.deviation, options.tolerance);
        size_t straight = 0;
        for (const CubicPiece& piece : fitted.pieces) {
            for (double t = 0; t <= 1; t += 1.0 / 32) {
                const Point2 p = BezierAt({piece.from, piece.handle1, piece.handle2, piece.to}, t);
                double nearest = HUGE_VAL;
                for (size_t i = 0; i < row.ring.size(); ++i) {
                    nearest = std::min(
                        nearest,
                        DistanceToSegment(p, row.ring[i], row.ring[(i + 1) % row.ring.size()]));
                }
                ASSERT_LE(nearest, 2 * options.tolerance);
            }
            const double length = std::hypot(piece.to.x - piece.from.x, piece.to.y - piece.from.y);
            if (length >= row.straightEdge) {
                ++straight;
                EXPECT_LT(DistanceToSegment(piece.handle1, piece.from, piece.to), 1e-12);
                EXPECT_LT(DistanceToSegment(piece.handle2, piece.from, piece.to), 1e-12);
            }
        }
        EXPECT_EQ(straight, row.straightPieces);
        EXPECT_LT(fitted.pieces.size(), row.ring.size() / 4 + 8);
    }
}

}  // namespace
