#include <benchmark/benchmark.h>

#include <cmath>

#include "model/EditState.h"
#include "model/KCanvasPane.h"
#include "toolkit/vMemoryDC.h"

// One drag step in each transform mode on a full drawing (500 entries in 50 sets) on a
// 600 x 600 pixel surface, with the full repaint and the guide that every step draws.

namespace {

constexpr int Side = 600;

void FillDrawing(KCanvasPane& canvas) {
    canvas.OnResize(Side, Side);
    for (int set = 0; set < 50; ++set) {
        double cx = (set % 7 - 3) * 35.0;
        double cy = (set / 7 - 3) * 35.0;
        int first = canvas.pointCount;
        for (int i = 0; i < 9; ++i) {
            double angle = i * 2 * 3.141592653589793 / 9;
            canvas.points[canvas.pointCount++] = {cx + 12 * std::sin(angle),
                                                  cy + 12 * std::cos(angle)};
        }
        canvas.points[canvas.pointCount] = canvas.points[first];
        canvas.InitBezierHandles();
        ++canvas.pointCount;
        canvas.setEnds[++canvas.setCount] = canvas.pointCount;
    }
}

int PixelOf(double model) {
    return static_cast<int>(model * 2 + Side / 2);
}

// Presses on the first point of set 25 and drags to and fro between two cursor positions, so
// the drawing stays in place however many steps run.
void DragSteps(benchmark::State& state, int mode) {
    KCanvasPane canvas(nullptr);
    canvas.AdoptDC(new vMemoryDC(Side, Side));
    FillDrawing(canvas);
    editMode = mode;
    const Point2 picked = canvas.points[canvas.setEnds[24]];
    canvas.OnMouseDown(PixelOf(picked.x), PixelOf(picked.y), 1);
    const int toX[2] = {PixelOf(picked.x + 6), PixelOf(picked.x)};
    const int toY[2] = {PixelOf(picked.y - 4), PixelOf(picked.y)};
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
