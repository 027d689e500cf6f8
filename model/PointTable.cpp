#include "model/PointTable.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "model/EditState.h"
#include "model/KCanvasPane.h"
#include "model/ModelUnits.h"
#include "model/NumberText.h"

const std::array<const char*, PointTable::ColumnCount> PointTable::ColumnTitles = {
    "#", "Set", "", "x", "y", "Handle 1 x", "Handle 1 y", "Handle 2 x", "Handle 2 y"};
const std::array<const char*, PointTable::ColumnCount> PointTable::ColumnWidest = {
    "500",          "open",         "not written",  "-8.88889e-16", "-8.88889e-16",
    "-8.88889e-16", "-8.88889e-16", "-8.88889e-16", "-8.88889e-16"};

namespace {

// Where an entry lies: its set (0 for the open set) and that set's first and end index.
struct Place {
    int set = 0;
    int first = 0;
    int end = 0;

    bool Finished() const { return set > 0; }
    bool IsFirst(int index) const { return index == first; }
    bool IsClosing(int index) const { return Finished() && index == end - 1; }
};

// An open profile (a lathe's with Open ticked, and every surface of revolution's) ends before its
// set's closing repeat, so the writer leaves that repeat out.
bool ClosingWritten(const KCanvasPane& canvas, int kind) {
    return kind != Sor && !(kind == Lathe && canvas.isOpen == 1);
}

Place PlaceOf(const KCanvasPane& canvas, int index) {
    for (int k = 1; k <= canvas.setCount; ++k) {
        if (index < canvas.setEnds[k]) {
            return {k, canvas.setEnds[k - 1], canvas.setEnds[k]};
        }
    }
    return {0, canvas.setEnds[canvas.setCount], canvas.pointCount};
}

bool ValidRow(const KCanvasPane& canvas, int row) {
    return row >= 0 && row < canvas.pointCount;
}

// A value as the file has it: six significant digits.
std::string FileText(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%g", value);
    return text;
}

// The control array that holds the handle a column of the row shows; null where the row has
// none. A quadratic or cubic set's one control point sits on its first row; a bezier segment's
// handles on the row it leaves from (a set's closing row and the open set's last row start no
// segment, nor does the row before the closing one of an open lathe, whose profile ends there).
// A surface of revolution has no handles.
using ControlArray = Point2* const KCanvasPane::*;

ControlArray HandleArray(const KCanvasPane& canvas, int kind, int index, int column) {
    const int spline = kind == Polygon || kind == Sor ? LinearSpline : canvas.splineType;
    const Place place = PlaceOf(canvas, index);
    const bool profileEndsEarly = !ClosingWritten(canvas, kind) && place.Finished();
    const int lastWritten = place.end - (profileEndsEarly ? 2 : 1);
    const bool first = column == PointTable::Handle1X || column == PointTable::Handle1Y;
    if (!first && column != PointTable::Handle2X && column != PointTable::Handle2Y) {
        return nullptr;
    }
    if (spline == QuadraticSpline || spline == CubicSpline) {
        return first && place.IsFirst(index) ? &KCanvasPane::control1 : nullptr;
    }
    if (spline == BezierSpline && index < lastWritten) {
        return first ? &KCanvasPane::control1 : &KCanvasPane::control2;
    }
    return nullptr;
}

bool IsX(int column) {
    return column == PointTable::XColumn || column == PointTable::Handle1X ||
           column == PointTable::Handle2X;
}

// The model value of a typed file value: x times 75, y negated.
double ModelValue(int column, double file) {
    return IsX(column) ? file * ModelUnitsPerFileUnit : -file * ModelUnitsPerFileUnit;
}

std::string CellText(const Point2& model, int column) {
    return FileText(IsX(column) ? KCanvasPane::FileX(model.x) : KCanvasPane::FileY(model.y));
}

// How far above the last entry a point of a new set begins, in model units: a quarter of a
// file unit, as a lathe's profile climbs.
constexpr double NewSetStep = ModelUnitsPerFileUnit / 4.0;

// The entry after the last one: the open set's last step taken once more, or a step above the
// last entry when the open set has no step yet (or a step of nothing); the origin in an empty
// drawing. Its values are then typed into its row.
Point2 NextEntry(const KCanvasPane& canvas) {
    const int n = canvas.pointCount;
    if (n == 0) {
        return {0, 0};
    }
    const Point2 last = canvas.points[n - 1];
    Point2 step{0, -NewSetStep};
    if (canvas.HasOpenSet() && n - 1 > canvas.setEnds[canvas.setCount]) {
        const Point2 before = canvas.points[n - 2];
        if (last.x != before.x || last.y != before.y) {
            step = {last.x - before.x, last.y - before.y};
        }
    }
    return {last.x + step.x, last.y + step.y};
}

bool WithinReach(const Point2& model) {
    constexpr double Reach = PointTable::LargestValue * ModelUnitsPerFileUnit;
    return std::fabs(model.x) <= Reach && std::fabs(model.y) <= Reach;
}

}  // namespace

PointTable::Row PointTable::RowOf(const KCanvasPane& canvas, int kind, int index) {
    Row row;
    const Place place = PlaceOf(canvas, index);
    row.cells[NumberColumn] = std::to_string(index + 1);
    row.cells[SetColumn] = place.Finished() ? std::to_string(place.set) : "open";
    // A set of one entry is written whole.
    const bool written = ClosingWritten(canvas, kind) || place.end - place.first == 1;
    row.cells[RoleColumn] = !place.IsClosing(index) ? (place.IsFirst(index) ? "first" : "")
                            : written               ? "closing"
                                                    : "not written";
    row.marked = place.IsFirst(index) || !place.Finished();
    for (int column : {XColumn, YColumn}) {
        row.cells[column] = CellText(canvas.points[index], column);
        row.editable |= 1u << column;
    }
    for (int column : {Handle1X, Handle1Y, Handle2X, Handle2Y}) {
        if (ControlArray handles = HandleArray(canvas, kind, index, column)) {
            row.cells[column] = CellText((canvas.*handles)[index], column);
            row.editable |= 1u << column;
        }
    }
    return row;
}

std::vector<PointTable::Row> PointTable::Rows(const KCanvasPane& canvas, int kind) {
    std::vector<Row> rows;
    rows.reserve(static_cast<size_t>(canvas.pointCount));
    for (int index = 0; index < canvas.pointCount; ++index) {
        rows.push_back(RowOf(canvas, kind, index));
    }
    return rows;
}

bool PointTable::ParseValue(const std::string& text, double& value, std::string& why) {
    double read = 0;
    if (!ReadTypedNumber(text.c_str(), read)) {
        why = "\"" + text + "\" is not a number.";
        return false;
    }
    if (std::fabs(read) > LargestValue) {
        why = "\"" + text + "\" is too large: values lie within 1000000 file units of the centre.";
        return false;
    }
    value = read;
    return true;
}

bool PointTable::EditCell(KCanvasPane& canvas, int kind, int row, int column,
                          const std::string& text, std::string& why) {
    if (!ValidRow(canvas, row) || column < 0 || column >= ColumnCount) {
        why = "This cell cannot be edited.";
        return false;
    }
    const Row shown = RowOf(canvas, kind, row);
    if ((shown.editable & (1u << column)) == 0) {
        why = "This cell cannot be edited.";
        return false;
    }
    if (shown.cells[column] == text) {
        return true;
    }
    double file = 0;
    if (!ParseValue(text, file, why)) {
        return false;
    }
    const double model = ModelValue(column, file);
    std::vector<Point2*> targets;
    if (ControlArray handles = HandleArray(canvas, kind, row, column)) {
        targets.push_back(&(canvas.*handles)[row]);
    } else {
        // A set's first point and its closing point are one point of the outline.
        const Place place = PlaceOf(canvas, row);
        targets.push_back(&canvas.points[row]);
        if (place.IsFirst(row) && place.Finished()) {
            targets.push_back(&canvas.points[place.end - 1]);
        } else if (place.IsClosing(row)) {
            targets.push_back(&canvas.points[place.first]);
        }
    }
    for (Point2* target : targets) {
        (IsX(column) ? target->x : target->y) = model;
    }
    return true;
}

int PointTable::InsertAfter(KCanvasPane& canvas, int row, std::string& why) {
    if (!ValidRow(canvas, row) || (row == canvas.pointCount - 1 && canvas.HasOpenSet())) {
        return Append(canvas, why);
    }
    const Place place = PlaceOf(canvas, row);
    if (!place.Finished()) {
        why = "Points are inserted into finished sets only.";
        return -1;
    }
    if (canvas.pointCount > MaxPoints - 2) {
        why = "The drawing is full: a point is inserted only while it has at most 498 entries.";
        return -1;
    }
    // After the closing point comes the set's second point again.
    const int from = place.IsClosing(row) ? place.first : row;
    const Point2& a = canvas.points[from];
    const Point2& b = canvas.points[from + 1];
    canvas.InsertEntryAt(place.set, from + 1, {a.x * 0.5 + b.x * 0.5, a.y * 0.5 + b.y * 0.5});
    return from + 1;
}

int PointTable::Append(KCanvasPane& canvas, std::string& why) {
    if (canvas.pointCount >= MaxPoints) {
        why = "The drawing is full: it holds 500 entries.";
        return -1;
    }
    if (!canvas.HasOpenSet() && canvas.setCount >= MaxSets) {
        why = "The drawing has 99 sets: no other set can begin.";
        return -1;
    }
    const Point2 next = NextEntry(canvas);
    if (!WithinReach(next)) {
        why = "The next point would lie more than 1000000 file units from the centre.";
        return -1;
    }
    const int added = canvas.pointCount;
    canvas.points[added] = next;
    canvas.control1[added] = next;
    canvas.control2[added] = next;
    ++canvas.pointCount;
    return added;
}

bool PointTable::Delete(KCanvasPane& canvas, int row, std::string& why) {
    if (!ValidRow(canvas, row)) {
        why = "Select the row to delete.";
        return false;
    }
    const Place place = PlaceOf(canvas, row);
    if (place.Finished() && (place.IsFirst(row) || place.IsClosing(row))) {
        why = "A set's first point is not deleted: its closing point repeats it.";
        return false;
    }
    if (canvas.FindCoincidentPoint(row) >= 0) {
        why = "A point lying exactly on another is not deleted.";
        return false;
    }
    if (place.Finished() && place.end - place.first < 5) {
        why = "A set keeps at least three points.";
        return false;
    }
    canvas.RemovePoints(row, 1);
    return true;
}
