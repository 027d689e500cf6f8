#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <utility>
#include <vector>

#include "model/SegmentDistance.h"
#include "model/SetOperations.h"
#include "support/OutlineDrawings.h"

namespace {

// The rings' edges, found by the cells of a square grid they cross.
class EdgeGrid {
public:
    EdgeGrid(const Rings& rings, double cell) : _cell(cell) {
        for (const Ring& ring : rings) {
            for (size_t i = 0; i < ring.size(); ++i) {
                const Point2 a = ring[i];
                const Point2 b = ring[(i + 1) % ring.size()];
                for (long x = Cell(std::min(a.x, b.x)); x <= Cell(std::max(a.x, b.x)); ++x) {
                    for (long y = Cell(std::min(a.y, b.y)); y <= Cell(std::max(a.y, b.y)); ++y) {
                        _edges[{x, y}].push_back({a, b});
                    }
                }
            }
        }
    }

    // Whether an edge passes within one cell of the point.
    bool Near(const Point2& p) const {
        for (long x = Cell(p.x) - 1; x <= Cell(p.x) + 1; ++x) {
            for (long y = Cell(p.y) - 1; y <= Cell(p.y) + 1; ++y) {
                const auto found = _edges.find({x, y});
                if (found == _edges.end()) {
                    continue;
                }
                for (const auto& [a, b] : found->second) {
                    if (DistanceToSegment(p, a, b) <= _cell) {
                        return true;
                    }
                }
            }
        }
        return false;
    }

private:
    long Cell(double v) const { return static_cast<long>(std::floor(v / _cell)); }

    double _cell;
    std::map<std::pair<long, long>, std::vector<std::pair<Point2, Point2>>> _edges;
};

// The union of two 250-entry bezier outlines lies within 0.1 % of the drawing's size of the
// union of the two outlines flattened finely, both ways, and keeps to the drawing's capacity.
TEST(CombineAccuracy, UnionOfTwoOutlinesFollowsTheFineUnion) {
    Drawing drawing;
    drawing.kind = Prism;
    drawing.splineType = BezierSpline;
    AddWavyOutline(drawing, {-0.6, 0}, 1.2, 250);
    AddWavyOutline(drawing, {0.6, 0.2}, 1.2, 250, 0.1, 9);
    const SetsResult result = CombineSets(drawing, Prism, {}, RegionOperation::Union);
    ASSERT_TRUE(result.ok) << result.message;

    const std::vector<Rings> fine{{BezierSamples(drawing, 1, 1000)},
                                  {BezierSamples(drawing, 2, 1000)}};
    const Rings reference =
        CombineRegions(fine, RegionOperation::Union, RegionGrid::For({&fine[0], &fine[1]}, 0));
    std::vector<int> sets;
    for (int set = 1; set <= result.drawing.setCount; ++set) {
        sets.push_back(set);
    }
    const FlatSets written = FlattenedSets(result.drawing, Prism, sets);
    Rings got;
    for (const Rings& rings : written.regions) {
        got.insert(got.end(), rings.begin(), rings.end());
    }
    const double within = 1e-3 * written.size;
    const EdgeGrid referenceEdges(reference, within);
    const EdgeGrid gotEdges(got, within);
    for (const Ring& ring : got) {
        for (const Point2& p : ring) {
            ASSERT_TRUE(referenceEdges.Near(p)) << p.x << " " << p.y;
        }
    }
    for (const Ring& ring : reference) {
        for (size_t i = 0; i < ring.size(); i += 7) {
            ASSERT_TRUE(gotEdges.Near(ring[i])) << ring[i].x << " " << ring[i].y;
        }
    }
}

}  // namespace
