#include <benchmark/benchmark.h>

#include "bench/BenchDrawing.h"
#include "model/EditState.h"
#include "preview/PovrayShape.h"
#include "preview/PreviewRenderer.h"
#include "preview/PreviewScene.h"
#include "preview/PreviewSketch.h"

// The preview's quick sketches of a drawing of all 500 entries, as a cubic prism: the outline
// POV-Ray makes of the file, then each view at the sketches' size. Argument: the view (0 top,
// 1 three-quarter).

namespace {

void BM_PreviewSketch(benchmark::State& state) {
    KCanvasPane canvas(nullptr);
    FillFiftySets(canvas);
    canvas.splineType = CubicSpline;
    const PreviewScene scene = PreviewScene::Of(canvas, "Untitled", Prism);
    const int size = PreviewRenderer::SketchSize;
    for (auto _ : state) {
        const PovrayShape shape = PovrayShape::Of(scene.text, size);
        PixelSurface picture = state.range(0) == 0 ? PreviewSketch::TopView(shape, size)
                                                   : PreviewSketch::ThreeQuarterView(shape, size);
        benchmark::DoNotOptimize(picture.Data());
    }
}

}  // namespace

BENCHMARK(BM_PreviewSketch)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
