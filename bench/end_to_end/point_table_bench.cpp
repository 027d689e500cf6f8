#include <benchmark/benchmark.h>

#include "app/KryApp.h"
#include "app/KryCmdWindow.h"
#include "bench/BenchDrawing.h"
#include "bench/end_to_end/EndToEndDesktop.h"
#include "model/PointTable.h"
#include "toolkit/platform/qt/QtShownTable.h"

// The point table of a drawing of all 500 entries (bezier, every row with its handles), as
// the user works with it on the offscreen platform: scrolling, and typing a value whose change
// the canvas and the table both show.

namespace {

KryCmdWindow& WindowWithTable() {
    auto* window =
        static_cast<KryCmdWindow*>(theApp->NewAppWindow(nullptr, "Untitled", 600, 600, nullptr));
    Desktop().ShowWhole(window->Handle());
    FillFiftySets(*window->canvas);
    window->canvas->splineType = BezierSpline;
    shapeKind = Prism;
    KryApp::Table()->Toggle(*window);
    window->ShowDrawing();
    Desktop().ProcessEvents();
    return *window;
}

void Done(KryCmdWindow& window) {
    KryApp::Table()->Close();
    window.canvas->SetChanged(false);
    theApp->vApp::CloseAppWindow(&window);
    Desktop().ProcessEvents();
}

// One turn of the mouse wheel (three rows), the rows then in view painted.
void BM_TableScrollStepShown(benchmark::State& state) {
    KryCmdWindow& window = WindowWithTable();
    const int last = QtShownTable::LastScrollRow();
    int row = 0;
    for (auto _ : state) {
        row = row + 3 > last ? 0 : row + 3;
        QtShownTable::ScrollTo(row);
    }
    state.counters["rows"] = QtShownTable::RowCount();
    Done(window);
}

// A value typed into a cell and taken with Enter: the edit as one undo step, the canvas drawn
// again, the table's changed row set, and both shown.
void BM_TableEditShown(benchmark::State& state) {
    KryCmdWindow& window = WindowWithTable();
    const char* values[2] = {"0.125", "-0.25"};
    int step = 0;
    for (auto _ : state) {
        QtShownTable::Type(250, PointTable::XColumn, values[step]);
        Desktop().ProcessEvents();
        step ^= 1;
    }
    state.counters["undo steps"] = static_cast<double>(window.history.Steps().UndoSteps());
    Done(window);
}

}  // namespace

BENCHMARK(BM_TableScrollStepShown)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_TableEditShown)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);
