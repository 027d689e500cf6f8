#pragma once

#include <string>
#include <vector>

#include "model/EditState.h"
#include "model/Point2.h"
#include "model/TrailingControl.h"

constexpr int MaxPoints = 500;
constexpr int MaxSets = 99;
constexpr int SetEndEntries = MaxSets + 1;
constexpr int RemarkSize = 90;

// How a bezier point joins the segments that meet at it.
enum class NodeType : unsigned char {
    Corner,
    Smooth,
    Symmetric,
};

// The whole drawing as a value: points grouped into sets, the two handle arrays, the set ends,
// the remarks, the prism values and the kind, with what the added features keep beside them.
// The arrays keep the fixed capacities and are copied whole, entries past the point count
// included, because the writer reads some of them (the control point of an empty or open set).
// The member names are those the canvas gives its parts, so code over either reads the same.
struct Drawing {
    int pointCount = 0;
    int setCount = 0;
    Point2 points[MaxPoints] = {};
    Point2 control1[MaxPoints] = {};
    Point2 control2[MaxPoints] = {};
    // setEnds[k] is one past the closing point of set k; setEnds[0] is 0.
    int setEnds[SetEndEntries] = {};
    char remark1[RemarkSize] = "//";
    char remark2[RemarkSize] = "//";
    char remark3[RemarkSize] = "//";
    double prismStart = 0.0;
    double prismEnd = 0.5;
    int splineType = LinearSpline;
    int sweepType = LinearSweep;
    int useSturm = 0;
    int isOpen = 0;
    // The kind of a drawing on its own (read, imported, written). A window shows its drawing
    // in the program-wide kind instead.
    ShapeKind kind = Polygon;
    NodeType nodeTypes[MaxPoints] = {};
    std::string name;
    // The closing control points of cubic prism outlines and the end slope points of cubic lathe
    // profiles that a file gave and the writer would not have worked out.
    std::vector<TrailingControl> trailingControls;

    // True when points were added after the last set was closed.
    bool HasOpenSet() const { return setEnds[setCount] != pointCount; }

    // Asserts in debug builds what holds in every state, after a failed read too: the counts
    // within the capacities, the set ends ascending and within the points.
    void CheckInvariants() const;

    bool operator==(const Drawing& other) const;
    bool operator!=(const Drawing& other) const { return !(*this == other); }
};

// Every part but the kind: the drawing as an undo step or the saved state sees it, the kind
// being the program-wide one there.
bool SameParts(const Drawing& a, const Drawing& b);
