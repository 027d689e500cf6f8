#pragma once

#include <vector>

#include "model/EditState.h"
#include "model/Point2.h"

class KCanvasPane;
struct Drawing;

// What an entry of a written point list is.
enum class WrittenRole {
    Point,           // a point of an outline
    LeadingControl,  // the first control line of a quadratic or cubic file
    Control,         // a set's control point, or a bezier handle
    ClosingControl,  // the control line after a cubic outline's closing point
};

// Where an entry's value comes from in the drawing.
enum class WrittenSource {
    Points,
    Control1,
    Control2,
    // The outline's first point less its control point, taken from the values as written; or
    // the one a file or a conversion gave the outline, which the drawing keeps.
    FirstLessControl,
    // A cubic lathe profile's end slope point: a quarter of the way back from its last point to
    // the one before it, taken from the values as written.
    EndSlope,
};

struct WrittenEntry {
    Point2 file;   // file units: the value the writer prints
    Point2 model;  // model units (for FirstLessControl, the model position printed as `file`)
    WrittenRole role;
    WrittenSource source;
    int index;  // into the source array; FirstLessControl: the outline's first point; EndSlope:
                // the profile's last point
    int set;    // the drawing's set (1 .. setCount) it belongs to, 0 for the open set
};

// A set marker comment line: written after the first `before` entries.
struct WrittenMarker {
    int before;
    int set;
};

// The values of a declaration, in the order the writer writes them and the ray tracer reads
// them, with the count the head line declares (which an unfinished set makes differ from the
// number of entries).
struct WrittenPointList {
    std::vector<WrittenEntry> entries;
    std::vector<WrittenMarker> markers;
    int declaredCount = 0;
};

// The point list the writer writes for the drawing as the kind (a ShapeKind): a polygon is
// always linear, a prism follows the drawing's spline. A lathe or a surface of revolution lists
// one profile per set, the unfinished set last: a lathe's by its spline, with its set's closing
// repeat unless it is open; a surface of revolution's its points alone, the first and last
// giving only the slopes at its ends. Its markers stand before every finished set but the
// first.
WrittenPointList WrittenPoints(const Drawing& drawing, ShapeKind kind);
// The same for the canvas's drawing, of the kind given (a ShapeKind).
WrittenPointList WrittenPoints(const KCanvasPane& canvas, int kind);

// One set's stretch of a list, with its values as the ray tracer reads them (file units):
// values[i] is entries[first + i] read back.
struct WrittenSet {
    int set;
    int first;
    std::vector<Point2> values;
};

// The list set by set, in its order (the entries of a set are always together).
std::vector<WrittenSet> WrittenSets(const WrittenPointList& list);

// Keeps with the drawing the trailing control line a file or a conversion gave after the
// outline points[first .. end) (a cubic prism's closing control point; a cubic lathe profile's
// end slope point when `endSlope`), the points already in model units, when it is not the one
// the writer works out: the writer then writes it back as given. `file` is in file units.
void KeepTrailingControl(Drawing& drawing, int first, int end, const Point2& file, bool endSlope);
