#include <benchmark/benchmark.h>

#include "model/ProfileWall.h"
#include "model/SetOperations.h"
#include "support/OutlineDrawings.h"

// The outline operations on the largest drawings they meet: two bezier outlines of 250 entries
// each (the whole capacity), and a bezier lathe's profile.

namespace {

Drawing TwoOutlines() {
    Drawing drawing;
    drawing.kind = Prism;
    drawing.splineType = BezierSpline;
    AddWavyOutline(drawing, {-0.6, 0}, 1.2, 250);
    AddWavyOutline(drawing, {0.6, 0.2}, 1.2, 250, 0.1, 9);
    return drawing;
}

// Flattening, clipping and fitting the union back to bezier segments.
void BM_UnionOfTwoBezierOutlines(benchmark::State& state) {
    const Drawing drawing = TwoOutlines();
    int entries = 0;
    for (auto _ : state) {
        const SetsResult result = CombineSets(drawing, Prism, {}, RegionOperation::Union);
        entries = result.drawing.pointCount;
        benchmark::DoNotOptimize(entries);
    }
    state.counters["entries"] = entries;
}
BENCHMARK(BM_UnionOfTwoBezierOutlines)->Unit(benchmark::kMillisecond);

void BM_OffsetOfTwoBezierOutlines(benchmark::State& state) {
    const Drawing drawing = TwoOutlines();
    for (auto _ : state) {
        benchmark::DoNotOptimize(OffsetSets(drawing, Prism, {}, -0.05, OffsetJoin::Round));
    }
}
BENCHMARK(BM_OffsetOfTwoBezierOutlines)->Unit(benchmark::kMillisecond);

// A bowl's bezier profile of 40 segments walled inside with a round lip.
void BM_WallOfABezierBowl(benchmark::State& state) {
    Drawing drawing;
    drawing.kind = Lathe;
    drawing.splineType = BezierSpline;
    drawing.isOpen = 1;
    std::vector<Point2> points;
    std::vector<Point2> handles;
    for (int i = 0; i <= 40; ++i) {
        const double t = i / 40.0;
        points.push_back({1.2 * std::sin(t * 1.4), 1.5 * t * t});
    }
    for (int i = 0; i <= 40; ++i) {
        const Point2 a = points[i];
        const Point2 b = points[(i + 1) % points.size()];
        handles.push_back({a.x + (b.x - a.x) / 3, a.y + (b.y - a.y) / 3});
        handles.push_back({a.x + 2 * (b.x - a.x) / 3, a.y + 2 * (b.y - a.y) / 3});
    }
    AddSet(drawing, points, handles);
    int entries = 0;
    for (auto _ : state) {
        const SetsResult result = WallProfiles(drawing, Lathe, {}, {0.05});
        entries = result.ok ? result.drawing.pointCount : -1;
        benchmark::DoNotOptimize(entries);
    }
    state.counters["entries"] = entries;
}
BENCHMARK(BM_WallOfABezierBowl)->Unit(benchmark::kMillisecond);

}  // namespace
