#include <benchmark/benchmark.h>

#include <cmath>

#include "interchange/OutlineAdding.h"
#include "interchange/SvgImport.h"
#include "preview/PictureTrace.h"
#include "preview/ProgramSearch.h"

// A 1000 x 1000 picture traced into the sets of an empty prism as the editor's OK does it:
// the ink bitmap, potrace run as a child process, its SVG read, and the sets made to fit the
// drawing. The time is the wall time: potrace's share is another process's.

namespace {

constexpr int Side = 1000;

// Twenty rings in a grid of five by four and a bold bar under them, black on white.
PixelSurface RingsAndBar() {
    PixelSurface picture(Side, Side);
    for (int y = 0; y < Side; ++y) {
        for (int x = 0; x < Side; ++x) {
            const double d = std::hypot(std::fmod(x, 200.0) - 100, std::fmod(y, 200.0) - 100);
            const bool ink =
                (y < 800 && d > 50 && d < 85) || (y > 850 && y < 950 && x > 50 && x < 950);
            picture.At(x, y) = ink ? 0xff000000u : 0xffffffffu;
        }
    }
    return picture;
}

void BM_TraceWholePicture(benchmark::State& state) {
    if (!ProgramOnPath("potrace")) {
        state.SkipWithError("potrace is not installed");
        return;
    }
    const PixelSurface picture = RingsAndBar();
    int entries = 0;
    int sets = 0;
    for (auto _ : state) {
        const TracedPicture traced = TracePicture(picture, TraceValues());
        Outline outline;
        ImportReport report;
        ImportSvg(traced.svg, outline, report);
        const SetsResult result = AddOutline(Drawing(), Prism, std::move(outline), report);
        entries = result.drawing.pointCount;
        sets = result.drawing.setCount;
        benchmark::DoNotOptimize(entries);
    }
    state.counters["entries"] = entries;
    state.counters["sets"] = sets;
}
BENCHMARK(BM_TraceWholePicture)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
