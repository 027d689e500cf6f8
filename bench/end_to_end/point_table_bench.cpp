#include <benchmark/benchmark.h>

#include <QApplication>
#include <QScrollBar>
#include <QTableView>

#include "app/KryApp.h"
#include "app/KryCmdWindow.h"
#include "bench/BenchDrawing.h"
#include "bench/end_to_end/EndToEndDesktop.h"
#include "model/PointTable.h"
#include "toolkit/platform/qt/QtTableModel.h"
#include "toolkit/platform/qt/QtTableWindow.h"

// The point table of a drawing of all 500 entries (bezier, every row with its handles), as
// the user works with it on the offscreen platform: scrolling, and typing a value whose change
// the canvas and the table both show.

namespace {

QtTableWindow* TableWindow() {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* table = qobject_cast<QtTableWindow*>(widget); table && table->isVisible()) {
            return table;
        }
    }
    return nullptr;
}

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
    QTableView* view = TableWindow()->View();
    QScrollBar* bar = view->verticalScrollBar();
    int row = 0;
    for (auto _ : state) {
        row = row + 3 > bar->maximum() ? 0 : row + 3;
        bar->setValue(row);
        view->viewport()->repaint();
    }
    state.counters["rows"] = view->model()->rowCount();
    Done(window);
}

// A value typed into a cell and taken with Enter: the edit as one undo step, the canvas drawn
// again, the table's changed row set, and both shown.
void BM_TableEditShown(benchmark::State& state) {
    KryCmdWindow& window = WindowWithTable();
    QtTableModel* model = TableWindow()->Model();
    const QModelIndex cell = model->index(250, PointTable::XColumn);
    const QString values[2] = {"0.125", "-0.25"};
    int step = 0;
    for (auto _ : state) {
        model->setData(cell, values[step], Qt::EditRole);
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
