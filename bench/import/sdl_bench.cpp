#include <benchmark/benchmark.h>

#include <cmath>
#include <string>

#include "bench/import/HeapCount.h"
#include "interchange/PovSceneImport.h"

// Evaluating a generated scene of loops and macros: each object has an array of literal points
// and a macro that computes its outline from them in a #for loop, invoked once. The argument
// is the number of objects; 500 make a scene of about 1 MB. Counters: the scene's size, the
// objects found, and the most heap held at once, the scene's own text included.

namespace {

constexpr int PointsPerObject = 80;

std::string Scene(int objects) {
    std::string scene = "#version 3.7;\n";
    char number[32];
    for (int k = 0; k < objects; ++k) {
        const std::string id = std::to_string(k);
        scene += "#declare P" + id + " = array[" + std::to_string(PointsPerObject) + "] {\n";
        for (int i = 0; i < PointsPerObject; ++i) {
            const double angle = 2 * 3.14159265358979 * i / PointsPerObject;
            std::snprintf(number, sizeof number, "<%.6f, ", std::cos(angle) * (2 + k % 7));
            scene += number;
            std::snprintf(number, sizeof number, "%.6f>,\n", std::sin(angle) * (2 + k % 5));
            scene += number;
        }
        scene += "}\n#macro Shape" + id + "(S, N)\n  prism { linear_spline 0, S, N + 1,\n" +
                 "    #for (I, 0, N - 1)\n      P" + id +
                 "[I] * S + <cos(radians(I * 4.5)), sin(radians(I * 4.5))> * 0.1,\n    #end\n" +
                 "    P" + id + "[0] * S + <0.1, 0>\n    pigment { rgb 1 } }\n#end\n" +
                 "union { Shape" + id + "(1 + " + id + " / 500, " +
                 std::to_string(PointsPerObject) + ") }\n";
    }
    return scene;
}

void BM_EvaluateScene(benchmark::State& state) {
    const std::string text = Scene(static_cast<int>(state.range(0)));
    size_t found = 0;
    size_t heap = 0;
    for (auto _ : state) {
        const size_t before = HeapCount::InUse();
        HeapCount::ResetPeak();
        const EvaluatedScene scene = EvaluatePovScene(text, "");
        heap = HeapCount::Peak() - before + text.size();
        found = scene.error.empty() ? scene.objects.size() : 0;
    }
    state.counters["scene_bytes"] = static_cast<double>(text.size());
    state.counters["objects"] = static_cast<double>(found);
    state.counters["heap_mb"] = static_cast<double>(heap) / (1 << 20);
}

BENCHMARK(BM_EvaluateScene)
    ->Arg(250)
    ->Arg(500)
    ->Arg(1000)
    ->Arg(2000)
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime()
    ->UseRealTime();

}  // namespace
