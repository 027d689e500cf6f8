#include <benchmark/benchmark.h>

#include <cmath>

#include "bench/BenchDrawing.h"
#include "model/CurveFlattening.h"
#include "model/EditState.h"
#include "model/KCanvasPane.h"
#include "model/ReadBack.h"
#include "model/SplineCurve.h"
#include "model/WrittenPoints.h"

// What a repaint with POV-Ray's own curves costs before any pixel is drawn: the written point
// list of a full drawing (500 entries), read back, split into sub-prisms and flattened to a
// quarter pixel on a 600 x 600 canvas.

namespace {

constexpr double Side = 600;
constexpr double Tolerance = 0.25;

// One closed polygon of all 500 entries, the longest curve a drawing can hold.
void FillOnePolygon(KCanvasPane& canvas) {
    for (int i = 0; i < MaxPoints - 1; ++i) {
        double angle = i * 2 * 3.141592653589793 / (MaxPoints - 1);
        double radius = 100 + 20 * std::sin(7 * angle);
        canvas.points[canvas.pointCount++] = {radius * std::sin(angle), radius * std::cos(angle)};
    }
    canvas.points[canvas.pointCount] = canvas.points[0];
    canvas.InitBezierHandles();
    ++canvas.pointCount;
    canvas.setEnds[++canvas.setCount] = canvas.pointCount;
}

// File units to the pixels of the canvas at the zoom, about its centre, with the view's clip.
FlattenOptions CanvasView(double zoom) {
    double pixelsPerFileUnit = 75 * (Side / 2 / 150) * zoom;
    FlattenOptions options;
    options.map = {pixelsPerFileUnit, 0, 0, -pixelsPerFileUnit, Side / 2, Side / 2};
    options.tolerance = Tolerance;
    options.clip = ClipBox{0, 0, Side, Side};
    return options;
}

// Arguments: the spline, the number of sets (1 or 50) and the zoom.
void BM_ExactCurves(benchmark::State& state) {
    KCanvasPane canvas(nullptr);
    if (state.range(1) == 1) {
        FillOnePolygon(canvas);
    } else {
        FillFiftySets(canvas);
    }
    canvas.splineType = static_cast<int>(state.range(0));
    const FlattenOptions options = CanvasView(static_cast<double>(state.range(2)));
    Polylines lines;
    for (auto _ : state) {
        lines.Clear();
        WrittenPointList list = WrittenPoints(canvas, Prism);
        for (const WrittenSet& set : WrittenSets(list)) {
            FlattenCurve(PrismCurve(canvas.splineType, set.values), options, lines);
        }
        benchmark::DoNotOptimize(lines.points.data());
        benchmark::ClobberMemory();
    }
    state.counters["points"] = static_cast<double>(lines.points.size());
    state.counters["lines"] = static_cast<double>(lines.ends.size());
}

BENCHMARK(BM_ExactCurves)
    ->ArgsProduct({{QuadraticSpline, CubicSpline, BezierSpline}, {1, 50}, {1}})
    ->Args({CubicSpline, 1, 16})
    ->Args({BezierSpline, 50, 64})
    ->Unit(benchmark::kMicrosecond);

// The stages alone, for the full bezier drawing of 50 sets: the written list, its values read
// back, and a six-digit number read back.
void BM_WrittenList(benchmark::State& state) {
    KCanvasPane canvas(nullptr);
    FillFiftySets(canvas);
    canvas.splineType = BezierSpline;
    for (auto _ : state) {
        WrittenPointList list = WrittenPoints(canvas, Prism);
        benchmark::DoNotOptimize(WrittenSets(list).data());
    }
}
BENCHMARK(BM_WrittenList)->Unit(benchmark::kMicrosecond);

void BM_ReadBack(benchmark::State& state) {
    double value = 1.2345678;
    for (auto _ : state) {
        benchmark::DoNotOptimize(ReadBack(value));
        value += 0.001;
    }
}
BENCHMARK(BM_ReadBack);

}  // namespace
