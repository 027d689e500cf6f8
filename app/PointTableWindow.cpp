#include "app/PointTableWindow.h"

#include <string>
#include <utility>

#include "app/KryCmdWindow.h"
#include "model/EditState.h"
#include "model/KCanvasPane.h"
#include "toolkit/platform/vTableWindowPlatform.h"

namespace {

// How often the rows follow a gesture under way.
constexpr int GestureMilliseconds = 100;

vTableRow AsTableRow(const PointTable::Row& row) {
    return {std::vector<std::string>(row.cells.begin(), row.cells.end()), row.editable, row.marked};
}

std::string Title(const KryCmdWindow& window) {
    return "Point table: " + window.DrawingName();
}

// The rows of one entry as the drawing has it: the entry and its handles.
bool SameEntry(const Drawing& a, const KCanvasPane& b, int i) {
    auto same = [](const Point2& p, const Point2& q) { return p.x == q.x && p.y == q.y; };
    return same(a.points[i], b.points[i]) && same(a.control1[i], b.control1[i]) &&
           same(a.control2[i], b.control2[i]);
}

// Whether every row keeps its set and role: the counts, the set ends and the spline.
bool SameLayout(const Drawing& a, const KCanvasPane& b) {
    if (a.pointCount != b.pointCount || a.setCount != b.setCount || a.splineType != b.splineType) {
        return false;
    }
    for (int k = 0; k <= a.setCount && k < SetEndEntries; ++k) {
        if (a.setEnds[k] != b.setEnds[k]) {
            return false;
        }
    }
    return true;
}

}  // namespace

PointTableWindow::~PointTableWindow() {
    Close();
}

bool PointTableWindow::Toggle(KryCmdWindow& window) {
    if (IsOpen()) {
        Close();
        return true;
    }
    vTableWindowPlatform* platform = vTableWindowPlatform::Current();
    if (platform == nullptr) {
        return false;
    }
    std::vector<vTableColumn> columns;
    for (int column = 0; column < PointTable::ColumnCount; ++column) {
        columns.push_back({PointTable::ColumnTitles[column], PointTable::ColumnWidest[column]});
    }
    _handle =
        platform->CreateTableWindow("Point table", columns, {"Insert row", "Delete row"}, this);
    if (_handle == nullptr) {
        return false;
    }
    Follow(window);
    return true;
}

void PointTableWindow::Close() {
    StopTimer();
    Mark(-1);
    if (_handle != nullptr) {
        vTableWindowHandle handle = std::exchange(_handle, nullptr);
        if (vTableWindowPlatform* platform = vTableWindowPlatform::Current()) {
            platform->DestroyTableWindow(handle);
        }
    }
    _window = nullptr;
    _rows.clear();
}

// Closed from its own title bar: the drawing window's item loses its tick.
void PointTableWindow::TableWindowClosed() {
    KryCmdWindow* shown = _window;
    Close();
    if (shown != nullptr) {
        shown->RefreshTableItem();
    }
}

void PointTableWindow::Follow(KryCmdWindow& window) {
    if (!IsOpen() || _window == &window) {
        return;
    }
    Mark(-1);
    _window = &window;
    _selected = -1;
    ShowAll();
}

void PointTableWindow::Forget(KryCmdWindow& window) {
    if (_window != &window) {
        return;
    }
    _window = nullptr;
    _rows.clear();
    if (vTableWindowPlatform* platform = vTableWindowPlatform::Current(); platform && _handle) {
        platform->SetRowCount(_handle, 0);
        platform->SetTableTitle(_handle, "Point table");
    }
}

// Every row anew: a new drawing window, or a change of the drawing's layout.
void PointTableWindow::ShowAll() {
    vTableWindowPlatform* platform = vTableWindowPlatform::Current();
    if (platform == nullptr || _window == nullptr) {
        return;
    }
    const KCanvasPane& canvas = *_window->canvas;
    std::vector<PointTable::Row> rows = PointTable::Rows(canvas, shapeKind);
    platform->SetTableTitle(_handle, Title(*_window).c_str());
    platform->SetRowCount(_handle, static_cast<int>(rows.size()));
    for (size_t i = 0; i < rows.size(); ++i) {
        if (i >= _rows.size() || rows[i] != _rows[i]) {
            platform->SetRow(_handle, static_cast<int>(i), AsTableRow(rows[i]));
        }
    }
    _rows = std::move(rows);
    _shown = canvas.Model();
    _shownKind = shapeKind;
    if (_selected >= static_cast<int>(_rows.size())) {
        Mark(-1);
    }
    platform->SelectRow(_handle, _selected);
}

void PointTableWindow::Refresh(KryCmdWindow& window) {
    if (_window != &window || !IsOpen()) {
        return;
    }
    if (window.history.InStep()) {
        if (!Running()) {
            StartTimer(GestureMilliseconds);
        }
        return;
    }
    StopTimer();
    RefreshNow();
}

void PointTableWindow::OnTimerTick() {
    StopTimer();
    RefreshNow();
}

void PointTableWindow::RefreshNow() {
    vTableWindowPlatform* platform = vTableWindowPlatform::Current();
    if (platform == nullptr || _window == nullptr || !IsOpen()) {
        return;
    }
    KryCmdWindow& window = *_window;
    const KCanvasPane& canvas = *window.canvas;
    if (_shownKind != shapeKind || !SameLayout(_shown, canvas)) {
        ShowAll();
        return;
    }
    for (int i = 0; i < canvas.pointCount; ++i) {
        if (SameEntry(_shown, canvas, i)) {
            continue;
        }
        PointTable::Row row = PointTable::RowOf(canvas, shapeKind, i);
        _shown.points[i] = canvas.points[i];
        _shown.control1[i] = canvas.control1[i];
        _shown.control2[i] = canvas.control2[i];
        if (row != _rows[static_cast<size_t>(i)]) {
            platform->SetRow(_handle, i, AsTableRow(row));
            _rows[static_cast<size_t>(i)] = std::move(row);
        }
    }
    platform->SetTableTitle(_handle, Title(window).c_str());
}

void PointTableWindow::SelectEntry(KryCmdWindow& window, int index) {
    if (_window != &window || !IsOpen()) {
        return;
    }
    Refresh(window);
    Mark(index);
    if (vTableWindowPlatform* platform = vTableWindowPlatform::Current()) {
        platform->SelectRow(_handle, _selected);
    }
}

// The canvas marks the selected entry while the table shows its window.
void PointTableWindow::Mark(int index) {
    _selected = index;
    if (_window != nullptr && _window->canvas->MarkedEntry() != index) {
        _window->canvas->MarkEntry(index);
        _window->ShowDrawing();
    }
}

void PointTableWindow::ShowStatus(const std::string& text) {
    if (vTableWindowPlatform* platform = vTableWindowPlatform::Current(); platform && _handle) {
        platform->ShowStatus(_handle, text.c_str());
    }
}

void PointTableWindow::TableRowChosen(int row) {
    if (_window != nullptr) {
        Mark(row >= 0 && row < _window->canvas->pointCount ? row : -1);
        ShowStatus("");
    }
}

template <typename Edit>
void PointTableWindow::Change(Edit edit) {
    if (_window == nullptr) {
        return;
    }
    KryCmdWindow& window = *_window;
    std::string why;
    window.ChangeDrawing([&](KCanvasPane& canvas) { return edit(canvas, why); });
    ShowStatus(why);
    Refresh(window);
}

void PointTableWindow::TableCellEdited(int row, int column, const char* text) {
    Change([&](KCanvasPane& canvas, std::string& why) {
        return PointTable::EditCell(canvas, shapeKind, row, column, text, why);
    });
}

void PointTableWindow::TableButtonPressed(int button) {
    const int row = _selected;
    if (button == InsertRow) {
        int added = -1;
        Change([&](KCanvasPane& canvas, std::string& why) {
            added = PointTable::InsertAfter(canvas, row, why);
            return added >= 0;
        });
        if (added >= 0 && _window != nullptr) {
            SelectEntry(*_window, added);
        }
    } else if (button == DeleteRow) {
        Change([&](KCanvasPane& canvas, std::string& why) {
            return PointTable::Delete(canvas, row, why);
        });
        if (_window != nullptr && _selected >= _window->canvas->pointCount) {
            SelectEntry(*_window, _window->canvas->pointCount - 1);
        }
    }
}

void PointTableWindow::TableKey(int key, int modifiers) {
    if (_window != nullptr) {
        _window->HandleKey(key, modifiers);
    }
}
