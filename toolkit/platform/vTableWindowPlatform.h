#pragma once

#include <string>
#include <vector>

#include "toolkit/platform/vPlatform.h"
#include "toolkit/vHandles.h"

class vTableWindowEvents;

// One row of a table window: a text per column, which cells the user may edit (bit c for column
// c) and whether the row stands out from the others.
struct vTableRow {
    std::vector<std::string> cells;
    unsigned editable = 0;
    bool marked = false;

    bool operator==(const vTableRow& other) const {
        return cells == other.cells && editable == other.editable && marked == other.marked;
    }
    bool operator!=(const vTableRow& other) const { return !(*this == other); }
};

// A column of a table window: its heading and the widest text it is to show in full.
struct vTableColumn {
    std::string heading;
    std::string widest;
};

// A top-level window beside the program's frame holding a table of text cells under column
// headings, a row of buttons and a status line. Rows are set one at a time, so a change of a few
// rows costs only those. Without a platform installed no window is made.
class vTableWindowPlatform {
public:
    virtual ~vTableWindowPlatform() = default;

    // Makes and shows the window, empty. Null when no window can be made.
    virtual vTableWindowHandle CreateTableWindow(const char* title,
                                                 const std::vector<vTableColumn>& columns,
                                                 const std::vector<std::string>& buttons,
                                                 vTableWindowEvents* events) = 0;
    virtual void SetTableTitle(vTableWindowHandle window, const char* title) = 0;
    // Rows beyond the count go; new rows are empty until set.
    virtual void SetRowCount(vTableWindowHandle window, int rows) = 0;
    virtual void SetRow(vTableWindowHandle window, int row, const vTableRow& contents) = 0;
    // Selects the row (-1 none) and scrolls it into view, reporting nothing.
    virtual void SelectRow(vTableWindowHandle window, int row) = 0;
    virtual void ShowStatus(vTableWindowHandle window, const char* text) = 0;
    virtual void EnableButton(vTableWindowHandle window, int button, bool enabled) = 0;
    // Brings the window in front of the others and gives it the focus.
    virtual void RaiseTableWindow(vTableWindowHandle window) = 0;
    // Closes the window for good; no event arrives from it afterwards.
    virtual void DestroyTableWindow(vTableWindowHandle window) = 0;

    static vTableWindowPlatform* Current() { return vPlatform::Get().tableWindows; }
};
