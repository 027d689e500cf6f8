#pragma once

// The table window on screen, driven as a user would drive it, for measurements that must not
// include Qt themselves: a scroll to a row with the rows then in view painted, and a value typed
// into a cell and taken. Each call does nothing when no table window is shown.
class QtShownTable {
public:
    static int RowCount();
    static int LastScrollRow();
    static void ScrollTo(int row);
    static void Type(int row, int column, const char* text);
};
