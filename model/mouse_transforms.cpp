#include <cfloat>
#include <climits>
#include <cmath>
#include <limits>
#include <utility>
#include <vector>

#include "model/KCanvasPane.h"

// Drags that move, turn and scale points, sets or the whole drawing, the guides drawn after
// them, and the Flip Set press.

namespace {

constexpr double Pi = 3.141592653589793;
constexpr int GuideCross = 7;

struct GuideColour {
    unsigned int red;
    unsigned int green;
    unsigned int blue;
};
constexpr GuideColour RotateSetGuide{122, 220, 123};
constexpr GuideColour RotateAllGuide{123, 122, 220};
constexpr GuideColour ScaleGuide{220, 122, 123};

// Truncates toward zero; a radius beyond the int range saturates instead of being undefined.
int TruncateToInt(double value) {
    return value < static_cast<double>(INT_MAX) ? static_cast<int>(value) : INT_MAX;
}

double Length(double x, double y) {
    return std::sqrt(x * x + y * y);
}

double Degrees(double radians) {
    return radians * 180 * (1 / Pi);
}

// The scale factor is single precision. A zero radius, or a ratio too large for a float, gives
// infinity, which ScaleRange refuses like any other factor that is not finite.
float ScaleFactor(double toCursor, double toPicked) {
    if (toPicked == 0) {
        return std::numeric_limits<float>::infinity();
    }
    double factor = toCursor / toPicked;
    if (std::fabs(factor) > FLT_MAX) {
        return std::numeric_limits<float>::infinity();
    }
    return static_cast<float>(factor);
}

}  // namespace

void KCanvasPane::PressWithAnchor(int x, int y) {
    PickedPoint() = PickPoint(x, y);
    if (PickedPoint() < 0) {
        PickedSetNumber() = -1;
        return;
    }
    if (editMode == MovePoint) {
        CoincidentPoint() = FindCoincidentPoint(PickedPoint());
    } else if (editMode == MoveSet) {
        PickedSetNumber() = FindSetOf(PickedPoint());
    }
    // The offset from the picked point to the cursor, in model units, so that the point stays
    // under the cursor at every canvas scale.
    anchorX = ModelX(x) - points[PickedPoint()].x;
    anchorY = ModelY(y) - points[PickedPoint()].y;
}

void KCanvasPane::DragMove(int x, int y) {
    const int picked = PickedPoint();
    if (picked < 0 || picked >= pointCount) {
        return;
    }
    const Point2 cursor{ModelX(x) - anchorX, ModelY(y) - anchorY};
    // A point moved alone snaps to the others; a set or the drawing moves by grid steps.
    PointTargets targets;
    if (editMode == MovePoint) {
        std::vector<bool> moving(static_cast<size_t>(MaxPoints), false);
        for (const int entry : {picked, CoincidentPoint()}) {
            if (entry >= 0 && entry < MaxPoints) {
                moving[static_cast<size_t>(entry)] = true;
            }
        }
        targets = OtherPoints(picked, std::move(moving));
    }
    const Point2 to = Placed(cursor, targets);
    if (!std::isfinite(to.x) || !std::isfinite(to.y)) {
        return;
    }
    if (editMode == MovePoint) {
        points[picked] = to;
        const int partner = CoincidentPoint();
        if (partner >= 0 && partner < pointCount) {
            points[partner] = to;
        }
    } else {
        bool wholeDrawing = editMode == MoveAll;
        const int set = PickedSetNumber();
        if (!wholeDrawing && (set < 1 || set > setCount)) {
            return;
        }
        const Point2& from = points[picked];
        const Point2 by = OwnArithmetic()
                              ? Point2{-std::trunc(from.x - to.x), -std::trunc(from.y - to.y)}
                              : MoveStep({cursor.x - from.x, cursor.y - from.y});
        ShiftEntries(wholeDrawing ? 0 : setEnds[set - 1], wholeDrawing ? pointCount : setEnds[set],
                     by.x, by.y);
    }
    RedrawOutline(true);
}

void KCanvasPane::DragRotate(int x, int y) {
    if (PivotPoint() < 0 || PivotPoint() >= pointCount) {
        return;
    }
    const Point2& picked = points[PivotPoint()];
    if (editMode == RotateSet) {
        // A press outside every finished set picked nothing to turn.
        if (RangeEnd() < 1) {
            return;
        }
        double toCursor = AngleOf(ModelX(x) - anchorX, ModelY(y) - anchorY);
        double toPicked = AngleOf(picked.x - anchorX, picked.y - anchorY);
        RotateRange(RangeStart(), RangeEnd(), Degrees(toCursor - toPicked), anchorX, anchorY);
    } else {
        double toCursor = AngleOf(ModelX(x), ModelY(y));
        double toPicked = AngleOf(picked.x, picked.y);
        RotateRange(0, pointCount, Degrees(toCursor - toPicked), 0, 0);
    }
    RedrawOutline(true);
    DrawGuide(x, y, -1);
}

void KCanvasPane::DragScale(int x, int y) {
    double cursorX = ModelX(x);
    double cursorY = ModelY(y);
    double radius = 0;
    if (editMode == ScaleAll) {
        const int picked = PickedPoint();
        if (picked < 0 || picked >= pointCount) {
            return;
        }
        // The picked point's distance is cut to whole model units in the default view only.
        const double toPicked = Length(points[picked].x, points[picked].y);
        PivotRadius() = TruncateToInt(toPicked);
        radius = Length(cursorX, cursorY);
        ScaleRange(0, pointCount, ScaleFactor(radius, OwnMapping() ? PivotRadius() : toPicked), 0);
    } else {
        const int pivot = PivotPoint();
        if (pivot < 0 || pivot >= pointCount) {
            return;
        }
        double toPicked = Length(points[pivot].x - anchorX, points[pivot].y - anchorY);
        radius = Length(cursorX - anchorX, cursorY - anchorY);
        if (RangeEnd() >= 1) {
            ScaleRange(RangeStart(), RangeEnd(), ScaleFactor(radius, toPicked), 1);
        }
    }
    RedrawOutline(true);
    DrawGuide(x, y, radius);
}

void KCanvasPane::DrawGuide(int x, int y, double radius) {
    bool aboutOrigin = editMode == RotateAll || editMode == ScaleAll;
    bool scaling = editMode == ScaleAll || editMode == ScaleSet;
    int cx = PixelX(aboutOrigin ? 0 : anchorX);
    int cy = PixelY(aboutOrigin ? 0 : anchorY);
    // The radius is model units taken as pixels in the default view; in any other the circle
    // goes through the cursor.
    if (!OwnMapping()) {
        radius *= ViewScaleX();
    }
    GuideColour colour = scaling ? ScaleGuide : (aboutOrigin ? RotateAllGuide : RotateSetGuide);
    UsePen(vPen(colour.red, colour.green, colour.blue, 1, StyleDot));
    if (scaling) {
        UseBrush(vBrush(0, 0, 0, StyleTransparent));
    }
    PaintLine(cx, cy, x, y);
    PaintLine(cx - GuideCross, cy, cx + GuideCross, cy);
    PaintLine(cx, cy + GuideCross, cx, cy - GuideCross);
    if (scaling) {
        PaintEllipse(TruncatePixel(cx - radius), TruncatePixel(cy - radius),
                     TruncatePixel(2 * radius), TruncatePixel(2 * radius));
        UseBrush(vBrush(0, 0, 0, StyleSolid));
    }
}

void KCanvasPane::PressFlipSet(int x, int y) {
    if (setCount < 1) {
        return;
    }
    PivotPoint() = PickPoint(x, y);
    if (PivotPoint() < 0) {
        return;
    }
    FindSetCentre();
    if (RangeEnd() >= 1) {
        FlipSetVertical();
    }
}
