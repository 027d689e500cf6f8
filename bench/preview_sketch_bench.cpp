#include <benchmark/benchmark.h>

#include <cmath>

#include "bench/BenchDrawing.h"
#include "model/EditState.h"
#include "preview/PovrayShape.h"
#include "preview/PreviewRenderer.h"
#include "preview/PreviewScene.h"
#include "preview/PreviewSketch.h"
#include "scenefile/SceneKind.h"

// The preview's quick sketches of a drawing: the shape POV-Ray makes of the file, then one view
// at the sketches' size (argument 0: the face-on view, 1: the three-quarter view).

namespace {

void Sketch(benchmark::State& state, const PreviewScene& scene) {
    const int size = PreviewRenderer::SketchSize;
    if (!scene.Writable()) {
        state.SkipWithError(scene.refusal.c_str());
        return;
    }
    for (auto _ : state) {
        const PovrayShape shape = PovrayShape::Of(scene.text, size);
        PixelSurface picture = state.range(0) == 0 ? PreviewSketch::TopView(shape, size)
                                                   : PreviewSketch::ThreeQuarterView(shape, size);
        benchmark::DoNotOptimize(picture.Data());
    }
}

// All 500 entries as a cubic prism.
void BM_PreviewSketch(benchmark::State& state) {
    KCanvasPane canvas(nullptr);
    FillFiftySets(canvas);
    canvas.splineType = CubicSpline;
    Sketch(state, PreviewScene::Of(canvas, "Untitled", Prism));
}

// An open cubic lathe whose wavy profile has as many points as the second argument (20, as a
// vase might, or all 500), from bottom to top.
void BM_PreviewSketchLathe(benchmark::State& state) {
    KCanvasPane canvas(nullptr);
    const int count = static_cast<int>(state.range(1));
    for (int i = 0; i < count; ++i) {
        const double y = -1.8 + 3.6 * i / (count - 1);
        canvas.points[canvas.pointCount++] = {75 * (0.9 + 0.35 * std::sin(4 * y)), -75 * y};
    }
    canvas.splineType = CubicSpline;
    canvas.isOpen = 1;
    Sketch(state, PreviewScene::Of(canvas, "Untitled", FilterOfKind(Lathe)));
}

}  // namespace

BENCHMARK(BM_PreviewSketch)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PreviewSketchLathe)
    ->Args({0, 20})
    ->Args({1, 20})
    ->Args({0, 500})
    ->Args({1, 500})
    ->Unit(benchmark::kMillisecond);
