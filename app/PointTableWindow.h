#pragma once

#include <vector>

#include "model/Drawing.h"
#include "model/PointTable.h"
#include "toolkit/platform/vTableWindowEvents.h"
#include "toolkit/vHandles.h"
#include "toolkit/vTimer.h"

class KryCmdWindow;

// The "Point table" window: the entries of the active drawing window's drawing, one row each,
// in a window of its own beside the frame. It follows the active drawing window and every
// change of its drawing at once (during a gesture a few times a second, so that a drag of the
// whole drawing stays as quick as the canvas); an edit in it is one undo step of that window.
// Keys it has no use for go to the drawing window, so that undo, redo and the views' keys work
// from it.
class PointTableWindow : public vTableWindowEvents, private vTimer {
public:
    enum Button { InsertRow, DeleteRow };

    PointTableWindow() = default;
    PointTableWindow(const PointTableWindow&) = delete;
    PointTableWindow& operator=(const PointTableWindow&) = delete;
    ~PointTableWindow() override;

    // Opens the window showing this drawing window, or closes it when open. False when the
    // platform shows no such windows.
    bool Toggle(KryCmdWindow& window);
    void Close();
    bool IsOpen() const { return _handle != nullptr; }
    KryCmdWindow* Shown() const { return _window; }

    // The window shows this drawing window from now on.
    void Follow(KryCmdWindow& window);
    // The drawing window goes: the table shows nothing until another one is followed.
    void Forget(KryCmdWindow& window);
    // Brings the rows in step with the drawing of this window, if it is the one shown; only
    // the rows that changed are set anew. While a gesture is under way, they follow soon.
    void Refresh(KryCmdWindow& window);
    // Selects the entry's row and marks the entry on the canvas.
    void SelectEntry(KryCmdWindow& window, int index);

    void TableRowChosen(int row) override;
    void TableCellEdited(int row, int column, const char* text) override;
    void TableButtonPressed(int button) override;
    void TableKey(int key, int modifiers) override;
    void TableWindowClosed() override;

private:
    void OnTimerTick() override;
    void RefreshNow();
    void ShowAll();
    void ShowStatus(const std::string& text);
    void Mark(int index);
    // Runs an edit of the drawing as one undo step; shows the reason when it is refused.
    template <typename Edit>
    void Change(Edit edit);

    vTableWindowHandle _handle = nullptr;
    KryCmdWindow* _window = nullptr;
    // What the rows show: the drawing and its kind when they were last set.
    Drawing _shown;
    int _shownKind = -1;
    std::vector<PointTable::Row> _rows;
    int _selected = -1;
};
