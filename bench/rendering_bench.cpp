#include <benchmark/benchmark.h>

#include <cmath>

#include "model/EditState.h"
#include "model/KCanvasPane.h"
#include "toolkit/vMemoryDC.h"

// The heaviest repaint the editor makes: a full drawing (500 entries) as bezier previews, every
// segment plotted with its 200 dots, into real pixels of a 600 x 600 canvas.

namespace {

constexpr int Side = 600;

// Fills the 500 entries with `sets` closed polygons of equal size, side by side.
void FillWithPolygons(KCanvasPane& canvas, int sets) {
    const int entries = MaxPoints / sets;
    for (int set = 0; set < sets; ++set) {
        const double cx = -120 + 240.0 * (set + 0.5) / sets;
        const double radius = 110.0 / sets + 20;
        const int first = canvas.pointCount;
        for (int i = 0; i < entries - 1; ++i) {
            double angle = i * 2 * 3.141592653589793 / (entries - 1);
            canvas.points[canvas.pointCount++] = {cx + radius * std::sin(angle),
                                                  radius * 2 * std::cos(angle)};
        }
        canvas.points[canvas.pointCount] = canvas.points[first];
        canvas.InitBezierHandles();
        ++canvas.pointCount;
        canvas.setEnds[++canvas.setCount] = canvas.pointCount;
    }
}

// Arguments: the picture (0 all curves, 1 the largest set with its markers and handles) and
// the number of sets the 500 entries are split into.
void BM_RepaintWorstCase(benchmark::State& state) {
    KCanvasPane canvas(nullptr);
    vMemoryDC* dc = new vMemoryDC(Side, Side);
    canvas.AdoptDC(dc);
    canvas.SizeChanged(Side, Side);
    canvas.splineType = BezierSpline;
    editMode = AddPoint;
    FillWithPolygons(canvas, static_cast<int>(state.range(1)));
    const bool setPicture = state.range(0) == 1;
    for (auto _ : state) {
        if (setPicture) {
            canvas.RedrawSetCurve(1);
        } else {
            canvas.DrawAllCurves();
        }
        benchmark::DoNotOptimize(dc->Pixels().Data());
        benchmark::ClobberMemory();
    }
    state.SetLabel(setPicture ? "set:1" : "curves");
}

BENCHMARK(BM_RepaintWorstCase)
    ->ArgsProduct({{0, 1}, {1, 5}})
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

// A full lathe (500 entries in 5 profiles) as the canvas shows it at every change: the written
// list, its rules, POV-Ray's curves flattened twice (the profile and its mirror image), the
// handles and the markers. Arguments: the spline, and whether the profiles stand right of the
// axis (1) or straddle it, half their points breaking a rule (0). With them, the cost of
// finding the rule under the cursor, which every mouse motion pays.
void BM_RepaintLathe(benchmark::State& state) {
    KCanvasPane canvas(nullptr);
    vMemoryDC* dc = new vMemoryDC(Side, Side);
    canvas.AdoptDC(dc);
    canvas.SizeChanged(Side, Side);
    FillWithPolygons(canvas, 5);
    if (state.range(1) == 1) {
        for (int i = 0; i < canvas.pointCount; ++i) {
            canvas.points[i].x += 150;
            canvas.control1[i].x += 150;
            canvas.control2[i].x += 150;
        }
    }
    canvas.splineType = static_cast<int>(state.range(0));
    const int savedKind = shapeKind;
    shapeKind = Lathe;
    for (auto _ : state) {
        canvas.RedrawOutline(true);
        benchmark::DoNotOptimize(canvas.BrokenRuleAt(Side / 2, Side / 2));
        benchmark::DoNotOptimize(dc->Pixels().Data());
        benchmark::ClobberMemory();
    }
    shapeKind = savedKind;
}

BENCHMARK(BM_RepaintLathe)
    ->ArgsProduct({{LinearSpline, CubicSpline, BezierSpline}, {0, 1}})
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

}  // namespace
