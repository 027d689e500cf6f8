#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>

#include "bench/BenchDrawing.h"
#include "model/KCanvasPane.h"
#include "toolkit/vMemoryDC.h"

// Zoom steps about the cursor, as Ctrl and the wheel make them: each step with its repaint of a
// full drawing (500 entries) in POV-Ray's cubic curves on a 600 x 600 surface. The counter
// "drift" is the farthest, in pixels over every step, that the model point under the cursor
// moved away from it.

namespace {

constexpr int Side = 600;

void BM_ZoomStepAboutCursor(benchmark::State& state) {
    KCanvasPane canvas(nullptr);
    canvas.AdoptDC(new vMemoryDC(Side, Side));
    canvas.SizeChanged(Side, Side);
    FillFiftySets(canvas);
    canvas.splineType = CubicSpline;
    CanvasOptions options;
    options.exactCurves = true;
    canvas.SetOptions(options);
    // A fixed sequence of cursor places and directions, the same on every run.
    uint32_t seed = 24;
    auto next = [&seed](uint32_t below) {
        seed = seed * 1664525u + 1013904223u;
        return static_cast<int>((seed >> 8) % below);
    };
    int drift = 0;
    for (auto _ : state) {
        const int x = next(Side);
        const int y = next(Side);
        const Point2 under{canvas.ModelX(x), canvas.ModelY(y)};
        const double zoom = canvas.View().zoom;
        const bool in = next(3) != 0;
        canvas.ZoomAbout(x, y, in ? CanvasView::ZoomedIn(zoom) : CanvasView::ZoomedOut(zoom));
        drift = std::max(
            {drift, std::abs(canvas.PixelX(under.x) - x), std::abs(canvas.PixelY(under.y) - y)});
    }
    state.counters["drift"] = drift;
    state.counters["zoom"] = canvas.View().zoom;
}
BENCHMARK(BM_ZoomStepAboutCursor)->Unit(benchmark::kMillisecond);

}  // namespace

namespace {

// One repaint of the normal picture with POV-Ray's curves: 500 entries in 50 sets on a
// 600 x 600 surface. Arguments: the spline and the zoom (about the first point of set 25).
void BM_RepaintExactCurves(benchmark::State& state) {
    KCanvasPane canvas(nullptr);
    canvas.AdoptDC(new vMemoryDC(Side, Side));
    canvas.SizeChanged(Side, Side);
    FillFiftySets(canvas);
    canvas.splineType = static_cast<int>(state.range(0));
    CanvasOptions options;
    options.exactCurves = true;
    canvas.SetOptions(options);
    const double zoom = static_cast<double>(state.range(1));
    canvas.SetView({zoom, zoom == 1 ? Point2{0, 0} : canvas.points[canvas.setEnds[24]]});
    for (auto _ : state) {
        canvas.RedrawOutline(true);
    }
}
BENCHMARK(BM_RepaintExactCurves)
    ->ArgsProduct({{QuadraticSpline, CubicSpline, BezierSpline}, {1, 4}})
    ->Unit(benchmark::kMicrosecond);

}  // namespace
