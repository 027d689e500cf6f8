#pragma once

#include <array>
#include <string>
#include <vector>

class KCanvasPane;

// The drawing as a table, one row per entry of the point list: its number, its set, its role in
// the set (an open profile's closing repeat, which the file leaves out, says so), its file
// coordinates as the file has them and the handles its spline gives it (a quadratic or cubic
// set's control point on the set's first row, a bezier segment's two handles on the row it
// starts from). Cells are edited in file units; every edit checks the text first and then
// changes the drawing whole or not at all.
class PointTable {
public:
    enum Column {
        NumberColumn,
        SetColumn,
        RoleColumn,
        XColumn,
        YColumn,
        Handle1X,
        Handle1Y,
        Handle2X,
        Handle2Y,
        ColumnCount,
    };
    static const std::array<const char*, ColumnCount> ColumnTitles;
    // The widest text of each column: a number up to the capacity, a role, a value printed
    // with six significant digits and an exponent.
    static const std::array<const char*, ColumnCount> ColumnWidest;
    // Typed values further from the origin than this many file units are refused: the file's
    // six digits would show nothing useful of them, and the canvas could not reach them.
    static constexpr double LargestValue = 1e6;

    struct Row {
        std::array<std::string, ColumnCount> cells;
        unsigned editable = 0;  // bit c: column c may be edited
        bool marked = false;    // a set's first row, or a row of the set still open

        bool operator==(const Row& other) const {
            return cells == other.cells && editable == other.editable && marked == other.marked;
        }
        bool operator!=(const Row& other) const { return !(*this == other); }
    };

    // Rows for the drawing as the kind (a ShapeKind): a polygon has no handles.
    static std::vector<Row> Rows(const KCanvasPane& canvas, int kind);
    static Row RowOf(const KCanvasPane& canvas, int kind, int index);

    // The typed text as a file value: a finite number no larger than LargestValue, blanks
    // around it allowed. False, with the reason, otherwise.
    static bool ParseValue(const std::string& text, double& value, std::string& why);

    // Stores the typed text in the cell: a point's x or y (a set's first and closing point
    // together) or a handle's. False, with the reason and the drawing unchanged, when the text
    // is refused or the cell cannot be edited; true with nothing changed when the text is the
    // one the cell shows.
    static bool EditCell(KCanvasPane& canvas, int kind, int row, int column,
                         const std::string& text, std::string& why);
    // A point at the middle of the segment that leaves the row's point, as Insert Point makes
    // it; the new row is `row + 1` (or the set's second row after its closing row). With no
    // row (or the open set's last one) it appends. Returns the new row, or -1 with the reason.
    static int InsertAfter(KCanvasPane& canvas, int row, std::string& why);
    // An entry after the last one, to be typed: the open set's next point, or the first point
    // of a new set when there is no open set. Returns its row, or -1 with the reason.
    static int Append(KCanvasPane& canvas, std::string& why);
    // Removes the row's point, with the refusals of Delete Point; false with the reason.
    static bool Delete(KCanvasPane& canvas, int row, std::string& why);
};
