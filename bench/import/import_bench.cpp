#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "bench/import/AdversarialInputs.h"
#include "bench/import/HeapCount.h"
#include "interchange/CanvasOutline.h"
#include "interchange/ImportSource.h"
#include "interchange/OutlinePreparation.h"
#include "io/FileReplace.h"
#include "model/KCanvasPane.h"

// What `vexlin-tool import IN OUT.prm` does with a file once it is read, on the adversarial
// inputs: the outline read, made to fit, put on a canvas and written as a scene. Counters: the
// input's size, whether it was imported, the notes made, and the most heap held at once per
// input byte, the input's own text included.

namespace {

// False when the import was refused, as it is for more sets than a drawing holds.
bool Import(const std::string& text, std::string& written, size_t& notes) {
    Outline outline;
    ImportReport report;
    const bool prepared =
        ReadOutlineText(text, nullptr, outline, report) &&
        PrepareOutline(outline, outline.kind == Polygon ? LinearSpline : outline.prism.spline,
                       false, report);
    notes = report.notes.size();
    if (!prepared) {
        return false;
    }
    KCanvasPane canvas(nullptr);
    PutPrismValues(outline, canvas);
    PutOutline(outline, canvas);
    int writtenKind = outline.kind;
    return canvas.SceneFileText("imported", outline.kind, written, writtenKind);
}

void BM_Import(benchmark::State& state, const AdversarialInputs::Input& input) {
    const std::string text = input.make(static_cast<int>(state.range(0)));
    size_t notes = 0;
    size_t heap = 0;
    bool imported = false;
    for (auto _ : state) {
        std::string written;
        const size_t before = HeapCount::InUse();
        HeapCount::ResetPeak();
        imported = Import(text, written, notes);
        heap = HeapCount::Peak() - before + text.size();
    }
    state.counters["imported"] = imported ? 1 : 0;
    state.counters["input_bytes"] = static_cast<double>(text.size());
    state.counters["notes"] = static_cast<double>(notes);
    state.counters["heap_per_byte"] = static_cast<double>(heap) / static_cast<double>(text.size());
}

void RegisterAll() {
    for (const AdversarialInputs::Input& input : AdversarialInputs::All()) {
        benchmark::internal::Benchmark* run =
            benchmark::RegisterBenchmark(("BM_Import/" + std::string(input.name)).c_str(),
                                         BM_Import, input)
                ->Unit(benchmark::kMillisecond)
                ->MeasureProcessCPUTime()
                ->UseRealTime();
        for (int size : input.sizes) {
            run->Arg(size);
        }
    }
}

// Writes every input at every size into folder, named as its benchmark, for a run of the tool.
int WriteInputs(const char* folder) {
    for (const AdversarialInputs::Input& input : AdversarialInputs::All()) {
        for (int size : input.sizes) {
            const std::string path = std::string(folder) + "/" + input.name + "-" +
                                     std::to_string(size) + input.extension;
            if (!ReplaceFileContents(path.c_str(), input.make(size))) {
                std::fprintf(stderr, "cannot write %s\n", path.c_str());
                return 1;
            }
            std::printf("%s\n", path.c_str());
        }
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 3 && std::strcmp(argv[1], "--write-inputs") == 0) {
        return WriteInputs(argv[2]);
    }
    RegisterAll();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
