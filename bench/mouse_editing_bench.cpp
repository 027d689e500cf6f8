#include <benchmark/benchmark.h>

#include "bench/BenchDrawing.h"
#include "model/EditState.h"
#include "model/KCanvasPane.h"
#include "toolkit/vMemoryDC.h"

// One drag step in each transform mode on a full drawing (500 entries in 50 sets) on a
// 600 x 600 pixel surface, with the full repaint and the guide that every step draws.

namespace {

constexpr int Side = 600;

// Presses on the first point of set 25 and drags to and fro between two cursor positions, so
// the drawing stays in place however many steps run.
void DragSteps(benchmark::State& state, int mode) {
    KCanvasPane canvas(nullptr);
    canvas.AdoptDC(new vMemoryDC(Side, Side));
    canvas.OnResize(Side, Side);
    FillFiftySets(canvas);
    editMode = mode;
    const Point2 picked = canvas.points[canvas.setEnds[24]];
    canvas.OnMouseDown(PixelX(canvas, picked.x), PixelY(canvas, picked.y), 1);
    const int toX[2] = {PixelX(canvas, picked.x + 6), PixelX(canvas, picked.x)};
    const int toY[2] = {PixelY(canvas, picked.y - 4), PixelY(canvas, picked.y)};
    int step = 0;
    for (auto _ : state) {
        canvas.OnMouseMove(toX[step], toY[step], 1);
        step ^= 1;
    }
    canvas.OnMouseUp(toX[step], toY[step], 1);
    editMode = AddPoint;
}

void BM_RotateAllDragStep(benchmark::State& state) {
    DragSteps(state, RotateAll);
}
void BM_RotateSetDragStep(benchmark::State& state) {
    DragSteps(state, RotateSet);
}
void BM_ScaleAllDragStep(benchmark::State& state) {
    DragSteps(state, ScaleAll);
}
void BM_ScaleSetDragStep(benchmark::State& state) {
    DragSteps(state, ScaleSet);
}
void BM_MoveAllDragStep(benchmark::State& state) {
    DragSteps(state, MoveAll);
}
void BM_MoveSetDragStep(benchmark::State& state) {
    DragSteps(state, MoveSet);
}
void BM_MovePointDragStep(benchmark::State& state) {
    DragSteps(state, MovePoint);
}

}  // namespace

BENCHMARK(BM_RotateAllDragStep);
BENCHMARK(BM_RotateSetDragStep);
BENCHMARK(BM_ScaleAllDragStep);
BENCHMARK(BM_ScaleSetDragStep);
BENCHMARK(BM_MoveAllDragStep);
BENCHMARK(BM_MoveSetDragStep);
BENCHMARK(BM_MovePointDragStep);
