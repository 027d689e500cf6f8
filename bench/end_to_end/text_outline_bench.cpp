#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "interchange/GlyphOutline.h"
#include "model/ModelUnits.h"
#include "toolkit/platform/vGlyphOutlines.h"

// A text of 20 characters in the family the package depends on, from the request to the
// outline ready for the drawing: shaped and outlined by the platform, overlapping contours
// united. Spaced 0 nothing overlaps; spaced -0.15 file units the letters run into each other.
namespace {

void BM_TextOfTwentyCharacters(benchmark::State& state) {
    const GlyphRequest request{"Vexlin outlines text", "DejaVu Sans", ModelUnitsPerFileUnit,
                               -0.01 * static_cast<double>(state.range(0)) * ModelUnitsPerFileUnit};
    vGlyphOutlines* glyphs = vGlyphOutlines::Current();
    int sets = 0;
    int united = 0;
    for (auto _ : state) {
        std::vector<GlyphContour> contours;
        std::string why;
        if (glyphs == nullptr || !glyphs->Outline(request, contours, why)) {
            state.SkipWithError("no glyph outlines here");
            return;
        }
        const GlyphOutline outline = OutlineOfGlyphs(contours);
        sets = static_cast<int>(outline.outline.sets.size());
        united = outline.united;
        benchmark::DoNotOptimize(sets);
    }
    state.counters["sets"] = sets;
    state.counters["united"] = united;
}
BENCHMARK(BM_TextOfTwentyCharacters)->Arg(0)->Arg(15)->Unit(benchmark::kMillisecond);

}  // namespace
