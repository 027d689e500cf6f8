#include <benchmark/benchmark.h>
#include <malloc.h>

#include <memory>

#include "app/DrawingHistory.h"
#include "model/KCanvasPane.h"

// A window's undo history at its full hundred steps of a drawing at capacity (500 entries): the
// heap the history holds, and the cost of recording one more step (the drawing copied before
// and after the action, compared, and the oldest step dropped) and of an undo with its redo.

namespace {

size_t HeapInUse() {
    return mallinfo2().uordblks;
}

void FillToCapacity(KCanvasPane& canvas) {
    for (int i = 0; i < MaxPoints; ++i) {
        canvas.points[i] = canvas.control1[i] = canvas.control2[i] = {i * 0.5, -i * 0.25};
    }
    canvas.pointCount = MaxPoints;
}

// One action that moves the first point: every step differs from the one before.
void RecordStep(DrawingHistory& history, KCanvasPane& canvas) {
    history.BeginStep(canvas);
    canvas.points[0].x += 1;
    history.EndStep(canvas);
}

// The history is made after the canvas, so the heap it adds is its own: the steps, the drawing
// last saved and the buffer for the drawing before an action.
std::unique_ptr<DrawingHistory> FullHistory(KCanvasPane& canvas, benchmark::State& state) {
    const size_t heapBefore = HeapInUse();
    auto history = std::make_unique<DrawingHistory>();
    history->Saved(canvas);
    for (size_t i = 0; i < UndoHistory::MaxSteps + 20; ++i) {
        RecordStep(*history, canvas);
    }
    const double bytes = static_cast<double>(HeapInUse() - heapBefore);
    state.counters["history_bytes"] = bytes;
    state.counters["bytes_per_step"] = bytes / UndoHistory::MaxSteps;
    return history;
}

void BM_FullHistoryRecordStep(benchmark::State& state) {
    KCanvasPane canvas(nullptr);
    FillToCapacity(canvas);
    std::unique_ptr<DrawingHistory> history = FullHistory(canvas, state);
    for (auto _ : state) {
        RecordStep(*history, canvas);
    }
}

void BM_FullHistoryUndoRedo(benchmark::State& state) {
    KCanvasPane canvas(nullptr);
    FillToCapacity(canvas);
    std::unique_ptr<DrawingHistory> history = FullHistory(canvas, state);
    for (auto _ : state) {
        history->Undo(canvas);
        history->Redo(canvas);
    }
}

}  // namespace

BENCHMARK(BM_FullHistoryRecordStep);
BENCHMARK(BM_FullHistoryUndoRedo);
