#pragma once

// What a table window reports to its owner. Rows and columns count from 0.
class vTableWindowEvents {
public:
    virtual ~vTableWindowEvents() = default;

    // The user selected a row (-1: none); a selection the owner made itself is not reported.
    virtual void TableRowChosen(int row) = 0;
    // The user finished editing a cell (Enter, or leaving it) with this text, UTF-8.
    virtual void TableCellEdited(int row, int column, const char* text) = 0;
    // The button at that index of the window's buttons was pressed.
    virtual void TableButtonPressed(int button) = 0;
    // A key the table itself has no use for, in the toolkit's codes (characters, 0xFFxx keys;
    // control letters as control characters) and modifiers (1 Shift, 4 Ctrl).
    virtual void TableKey(int key, int modifiers) = 0;
    // The user closed the window. The owner destroys it (it may do so from this call).
    virtual void TableWindowClosed() = 0;
};
