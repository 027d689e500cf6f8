#include <cfloat>
#include <climits>
#include <cmath>
#include <limits>

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
    pickIndex = FindNearestPoint(x, y);
    if (pickIndex < 0) {
        pickAux = -1;
        return;
    }
    if (editMode == MovePoint) {
        pickAux = FindCoincidentPoint(pickIndex);
    } else if (editMode == MoveSet) {
        pickAux = FindSetOf(pickIndex);
    }
    // The offset from the picked point to the cursor, in model units, so that the point stays
    // under the cursor at every canvas scale.
    anchorX = ModelX(x) - points[pickIndex].x;
    anchorY = ModelY(y) - points[pickIndex].y;
}

void KCanvasPane::DragMove(int x, int y) {
    if (pickIndex < 0 || pickIndex >= pointCount) {
        return;
    }
    Point2 to{std::trunc(ModelX(x) - anchorX), std::trunc(ModelY(y) - anchorY)};
    if (!std::isfinite(to.x) || !std::isfinite(to.y)) {
        return;
    }
    if (editMode == MovePoint) {
        points[pickIndex] = to;
        if (pickAux >= 0 && pickAux < pointCount) {
            points[pickAux] = to;
        }
    } else {
        bool wholeDrawing = editMode == MoveAll;
        if (!wholeDrawing && (pickAux < 1 || pickAux > setCount)) {
            return;
        }
        const Point2& picked = points[pickIndex];
        ShiftEntries(wholeDrawing ? 0 : setEnds[pickAux - 1],
                     wholeDrawing ? pointCount : setEnds[pickAux], -std::trunc(picked.x - to.x),
                     -std::trunc(picked.y - to.y));
    }
    RepaintAll();
}

void KCanvasPane::DragRotate(int x, int y) {
    if (pickSet < 0 || pickSet >= pointCount) {
        return;
    }
    const Point2& picked = points[pickSet];
    if (editMode == RotateSet) {
        // A press outside every finished set picked nothing to turn.
        if (pickAux < 1) {
            return;
        }
        double toCursor = AngleOf(ModelX(x) - anchorX, ModelY(y) - anchorY);
        double toPicked = AngleOf(picked.x - anchorX, picked.y - anchorY);
        RotateRange(pickIndex, pickAux, Degrees(toCursor - toPicked), anchorX, anchorY);
    } else {
        double toCursor = AngleOf(ModelX(x), ModelY(y));
        double toPicked = AngleOf(picked.x, picked.y);
        RotateRange(0, pointCount, Degrees(toCursor - toPicked), 0, 0);
    }
    RepaintAll();
    DrawGuide(x, y, -1);
}

void KCanvasPane::DragScale(int x, int y) {
    double cursorX = ModelX(x);
    double cursorY = ModelY(y);
    double radius = 0;
    if (editMode == ScaleAll) {
        if (pickIndex < 0 || pickIndex >= pointCount) {
            return;
        }
        pickSet = TruncateToInt(Length(points[pickIndex].x, points[pickIndex].y));
        radius = Length(cursorX, cursorY);
        ScaleRange(0, pointCount, ScaleFactor(radius, pickSet), 0);
    } else {
        if (pickSet < 0 || pickSet >= pointCount) {
            return;
        }
        double toPicked = Length(points[pickSet].x - anchorX, points[pickSet].y - anchorY);
        radius = Length(cursorX - anchorX, cursorY - anchorY);
        if (pickAux >= 1) {
            ScaleRange(pickIndex, pickAux, ScaleFactor(radius, toPicked), 1);
        }
    }
    RepaintAll();
    DrawGuide(x, y, radius);
}

void KCanvasPane::DrawGuide(int x, int y, double radius) {
    bool aboutOrigin = editMode == RotateAll || editMode == ScaleAll;
    bool scaling = editMode == ScaleAll || editMode == ScaleSet;
    int cx = aboutOrigin ? TruncatePixel(originX) : PixelX(anchorX);
    int cy = aboutOrigin ? TruncatePixel(originY) : PixelY(anchorY);
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
    pickSet = FindNearestPoint(x, y);
    if (pickSet < 0) {
        return;
    }
    FindSetCentre();
    if (pickAux >= 1) {
        FlipSetVertical();
    }
}
