#include <benchmark/benchmark.h>

#include "app/KryApp.h"
#include "app/KryCmdWindow.h"
#include "bench/BenchDrawing.h"
#include "bench/end_to_end/EndToEndDesktop.h"
#include "model/EditState.h"
#include "model/KCanvasPane.h"
#include "toolkit/vApp.h"

// One drag step as the user makes it: a mouse move with the left button held reaches the real
// canvas widget of a drawing window, the edit and the repaint of the canvas follow, and the
// pending paints (canvas and status bar) are shown. Arguments: the canvas's client size. The
// drawing holds all 500 entries.

namespace {

using Events = vWindowEvents;

// What else the window shows while the drag goes on.
enum Extras { Nothing = 0, Background = 1, PointTable = 2 };

void ShowExtras(KryCmdWindow& window, int extras) {
    if (extras & Background) {
        static const PixelSurface photo = Photo();
        window.background.SetPicture(photo);
    }
    if (extras & PointTable) {
        KryApp::Table()->Toggle(window);
    }
}

// The view and curves the steps are shown with: the canvas's own, or POV-Ray's curves of the
// spline at a zoom about the picked point.
struct StepView {
    bool exact = false;
    int spline = LinearSpline;
    double zoom = 1;
    int extras = Nothing;
};

// Select mode's drags: the press picks the first point of set 25 with every entry chosen, or
// presses an empty corner and draws a band to and fro across about half of the drawing.
enum class SelectDrag { None, AllChosen, Band };

void DragSteps(benchmark::State& state, int mode, StepView view = {},
               SelectDrag select = SelectDrag::None) {
    const int width = static_cast<int>(state.range(0));
    const int height = static_cast<int>(state.range(1));
    vDesktopSession& desktop = Desktop();
    auto* window = static_cast<KryCmdWindow*>(
        theApp->NewAppWindow(nullptr, "Untitled", width, height, nullptr));
    const vWindowHandle child = window->Handle();
    desktop.ShowWhole(child);
    KCanvasPane& canvas = *window->canvas;
    // A window made active by a switch from another takes its first press for the activation.
    if (window->JustActivated()) {
        desktop.SendMouse(child, Events::MousePress, 1, 0, 0, Events::HeldLeft);
    }
    FillFiftySets(canvas);
    const Point2 picked = canvas.points[canvas.setEnds[24]];
    canvas.splineType = view.spline;
    CanvasOptions options;
    options.exactCurves = view.exact;
    canvas.SetOptions(options);
    canvas.SetView({view.zoom, view.zoom == 1 ? Point2{0, 0} : picked});
    ShowExtras(*window, view.extras);
    canvas.RedrawOutline(true);
    desktop.ProcessEvents();

    editMode = mode;
    const int kindBefore = shapeKind;
    int pressX = canvas.PixelX(picked.x);
    int pressY = canvas.PixelY(picked.y);
    int toX[2] = {canvas.PixelX(picked.x + 6), canvas.PixelX(picked.x)};
    int toY[2] = {canvas.PixelY(picked.y - 4), canvas.PixelY(picked.y)};
    if (select != SelectDrag::None) {
        shapeKind = Prism;
    }
    if (select == SelectDrag::AllChosen) {
        canvas.SelectAll();
    } else if (select == SelectDrag::Band) {
        pressX = pressY = 1;
        toX[0] = width * 6 / 10;
        toX[1] = width / 2;
        toY[0] = height * 6 / 10;
        toY[1] = height / 2;
    }
    desktop.SendMouse(child, Events::MousePress, 1, pressX, pressY, Events::HeldLeft);
    const int paintsBefore = desktop.PaintCount(child);
    int step = 0;
    for (auto _ : state) {
        desktop.SendMouse(child, Events::MouseMove, 0, toX[step], toY[step], Events::HeldLeft);
        desktop.ProcessEvents();
        step ^= 1;
    }
    // Every step must have been shown, or the figure would not be the one the user waits for.
    state.counters["paints/step"] =
        static_cast<double>(desktop.PaintCount(child) - paintsBefore) / state.iterations();
    desktop.SendMouse(child, Events::MouseRelease, 1, toX[step], toY[step], 0);
    editMode = AddPoint;
    shapeKind = kindBefore;
    if (view.extras & PointTable) {
        KryApp::Table()->Close();
    }
    canvas.SetOptions(CanvasOptions{});
    canvas.SetChanged(false);
    theApp->vApp::CloseAppWindow(window);
    desktop.ProcessEvents();
}

// The canvas's own curves at zoom 1, with the extras of the third argument.
void BM_MovePointDragStepShown(benchmark::State& state) {
    DragSteps(state, MovePoint, {false, LinearSpline, 1, static_cast<int>(state.range(2))});
}
void BM_RotateAllDragStepShown(benchmark::State& state) {
    DragSteps(state, RotateAll, {false, LinearSpline, 1, static_cast<int>(state.range(2))});
}
// Select mode in a bezier prism, the handles shown: all 500 entries chosen and dragged (with
// their handles), or a band over about half of them.
void BM_SelectedDragStepShown(benchmark::State& state) {
    DragSteps(state, SelectPoints, {false, BezierSpline, 1, Nothing}, SelectDrag::AllChosen);
}
void BM_SelectBandStepShown(benchmark::State& state) {
    DragSteps(state, SelectPoints, {false, BezierSpline, 1, Nothing}, SelectDrag::Band);
}
// POV-Ray's curves of the spline (third argument) at the zoom (fourth) about the point dragged.
void BM_MovePointExactCurvesShown(benchmark::State& state) {
    DragSteps(state, MovePoint,
              {true, static_cast<int>(state.range(2)), static_cast<double>(state.range(3))});
}

// A canvas twice the first window's, and one as large as a full-HD screen; the canvas alone,
// then with a background picture and the point table showing too.
void ClientSizes(benchmark::internal::Benchmark* benchmark) {
    benchmark->Args({600, 600, Nothing})
        ->Args({1920, 1080, Nothing})
        ->Args({600, 600, Background | PointTable})
        ->Args({1920, 1080, Background | PointTable})
        ->Args({600, 600, Background})
        ->Args({600, 600, PointTable})
        ->Unit(benchmark::kMillisecond)
        ->Repetitions(5)
        ->ReportAggregatesOnly(true);
}

// The two sizes of the targets, the canvas alone.
void SelectSizes(benchmark::internal::Benchmark* benchmark) {
    benchmark->Args({600, 600, Nothing})
        ->Args({1920, 1080, Nothing})
        ->Unit(benchmark::kMillisecond)
        ->Repetitions(5)
        ->ReportAggregatesOnly(true);
}

}  // namespace

BENCHMARK(BM_MovePointDragStepShown)->Apply(ClientSizes);
BENCHMARK(BM_RotateAllDragStepShown)->Apply(ClientSizes);
BENCHMARK(BM_SelectedDragStepShown)->Apply(SelectSizes);
BENCHMARK(BM_SelectBandStepShown)->Apply(SelectSizes);
BENCHMARK(BM_MovePointExactCurvesShown)
    ->ArgsProduct({{600}, {600}, {QuadraticSpline, CubicSpline, BezierSpline}, {1, 4}})
    ->ArgsProduct({{1920}, {1080}, {CubicSpline, BezierSpline}, {1, 4}})
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);
