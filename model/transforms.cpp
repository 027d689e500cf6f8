#include <cmath>

#include "model/DrawingEntries.h"
#include "model/KCanvasPane.h"

namespace {

constexpr double Pi = 3.141592653589793;

bool RangeInside(int start, int end, int pointCount) {
    return start >= 0 && end <= pointCount;
}

// The canvas's arrays are its drawing's.
template <typename Change>
bool ChangeEntries(KCanvasPane& canvas, int start, int end, Change change) {
    return ChangeEntryValues(canvas.Model(), start, end, change);
}

}  // namespace

double KCanvasPane::AngleOf(double a, double b) {
    double d;
    if (b != 0) {
        d = std::atan(a / b);
    } else {
        d = a >= 0 ? Pi / 2 : -Pi / 2;
    }
    if (b < 0) {
        d += Pi;
    }
    return d;
}

void KCanvasPane::RotateAboutOrigin(double& x, double& y, double angle) {
    double r = std::sqrt(x * x + y * y);
    double phi = AngleOf(x, y) + angle;
    x = r * std::sin(phi);
    y = r * std::cos(phi);
}

void KCanvasPane::RotateRange(int start, int end, double degrees, double cx, double cy) {
    if (end < 0) {
        start = 0;
        end = pointCount;
    }
    if (start > end || end == 0 || !RangeInside(start, end, pointCount) ||
        !std::isfinite(degrees)) {
        return;
    }
    double theta = degrees * Pi * (1.0 / 180);
    ChangeEntries(*this, start, end, [&](Point2& p) {
        double dx = p.x - cx;
        double dy = p.y - cy;
        RotateAboutOrigin(dx, dy, theta);
        p.x = cx + dx;
        p.y = cy + dy;
    });
}

void KCanvasPane::ScaleRange(int start, int end, float factor, int aboutAnchor) {
    // A factor from a drag that started at the centre is a division by zero: such a step would
    // fill the drawing with infinities, so it changes nothing.
    if (!std::isfinite(factor) || start >= end || !RangeInside(start, end, pointCount)) {
        return;
    }
    if (factor == 0) {
        factor = 1;
    }
    double centreX = aboutAnchor * anchorX;
    double centreY = aboutAnchor * anchorY;
    ChangeEntries(*this, start, end, [&](Point2& p) {
        p.x = (p.x - centreX) * factor + centreX;
        p.y = (p.y - centreY) * factor + centreY;
    });
}

void KCanvasPane::FlipSetVertical() {
    const int start = RangeStart();
    const int end = RangeEnd();
    if (start > end || !RangeInside(start, end, pointCount)) {
        return;
    }
    ChangeEntries(*this, start, end, [&](Point2& p) { p.y = 2 * anchorY - p.y; });
}

void KCanvasPane::FlipAllVertical() {
    SetChanged(true);
    ChangeEntries(*this, 0, pointCount, [](Point2& p) { p.y = -p.y; });
}

void KCanvasPane::MirrorAll(bool leftRight, const Point2& about) {
    if (ChangeEntries(*this, 0, pointCount, [&](Point2& p) {
            if (leftRight) {
                p.x = about.x - (p.x - about.x);
            } else {
                p.y = about.y - (p.y - about.y);
            }
        })) {
        SetChanged(true);
    }
}

void KCanvasPane::CentreAll() {
    if (pointCount < 2) {
        return;
    }
    // The sums are whole numbers, truncated after every addition; they are kept in doubles so
    // that a drawing scaled far beyond the canvas cannot overflow an int.
    double sumX = 0;
    double sumY = 0;
    int count = 0;
    if (HasOpenSet()) {
        const Point2& first = points[setEnds[setCount]];
        sumX = std::trunc(first.x);
        sumY = std::trunc(first.y);
        count = 1;
    }
    // The first point of every set is skipped: a finished set's closing point stands in for it,
    // and the open set's was counted above.
    for (int i = 0, j = 0; i < pointCount; ++i) {
        if (j <= setCount && i == setEnds[j]) {
            ++j;
            continue;
        }
        sumX = std::trunc(sumX + points[i].x);
        sumY = std::trunc(sumY + points[i].y);
        ++count;
    }
    if (count == 0) {
        return;
    }
    double meanX = std::trunc(sumX / count);
    double meanY = std::trunc(sumY / count);
    if ((meanX != 0 || meanY != 0) && ShiftEntries(0, pointCount, -meanX, -meanY)) {
        SetChanged(true);
    }
}

bool KCanvasPane::ShiftEntries(int start, int end, double dx, double dy) {
    if (!std::isfinite(dx) || !std::isfinite(dy) || !RangeInside(start, end, pointCount)) {
        return false;
    }
    return ChangeEntries(*this, start, end, [&](Point2& p) {
        p.x += dx;
        p.y += dy;
    });
}
