#include <benchmark/benchmark.h>

#include "bench/BenchDrawing.h"
#include "model/EditState.h"
#include "model/KCanvasPane.h"
#include "render/BackgroundLayer.h"
#include "toolkit/vMemoryDC.h"

// A picture to trace under a full drawing (500 entries): a camera's 3000 x 2000 pixels across
// the canvas at 40 %, shown at four times the canvas's own scale.

namespace {

struct Traced {
    explicit Traced(int width, int height) : dc(new vMemoryDC(width, height)) {
        canvas.AdoptDC(dc);
        canvas.SizeChanged(width, height);
        FillFiftySets(canvas);
        static const PixelSurface photo = Photo();
        layer.SetPicture(photo);
        editMode = AddPoint;
    }
    // The view at four times the canvas's scale, moved by a whole number of pixels.
    Affine2 View(double dx, double dy) const {
        return {4 * canvas.scaleX,  0, 0, 4 * canvas.scaleY, canvas.originX + dx,
                canvas.originY + dy};
    }

    KCanvasPane canvas{nullptr};
    vMemoryDC* dc;
    BackgroundLayer layer;
};

// One step of a pan with the middle button: the canvas erased, the picture's kept pixels moved
// and the strip that came into view worked out, then copied under the outline and its markers.
void BM_BackgroundPanStep(benchmark::State& state) {
    Traced traced(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    traced.layer.Draw(traced.canvas, traced.View(0, 0));
    const int moves[2][2] = {{7, -3}, {0, 0}};
    int step = 0;
    for (auto _ : state) {
        traced.dc->EraseCanvas();
        traced.layer.Draw(traced.canvas, traced.View(moves[step][0], moves[step][1]));
        traced.canvas.RedrawOutline(true);
        benchmark::DoNotOptimize(traced.dc->Pixels().Data());
        step ^= 1;
    }
    state.counters["whole builds"] = traced.layer.FullBuilds();
}

// A new zoom: every pixel of the picture worked out again, from the halving that fits.
void BM_BackgroundNewZoom(benchmark::State& state) {
    Traced traced(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    double zoom = 1;
    for (auto _ : state) {
        zoom = zoom == 1 ? 1.25 : 1;
        const Affine2 view{
            zoom * traced.canvas.scaleX, 0, 0, zoom * traced.canvas.scaleY, traced.canvas.originX,
            traced.canvas.originY};
        traced.layer.Draw(traced.canvas, view);
        benchmark::DoNotOptimize(traced.dc->Pixels().Data());
    }
}

void Sizes(benchmark::internal::Benchmark* benchmark) {
    benchmark->Args({600, 600})
        ->Args({1920, 1080})
        ->Unit(benchmark::kMillisecond)
        ->Repetitions(5)
        ->ReportAggregatesOnly(true);
}

}  // namespace

BENCHMARK(BM_BackgroundPanStep)->Apply(Sizes);
BENCHMARK(BM_BackgroundNewZoom)->Apply(Sizes);
