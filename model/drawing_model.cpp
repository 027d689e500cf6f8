#include <algorithm>
#include <cmath>
#include <cstring>
#include <iterator>

#include "model/DrawingEntries.h"
#include "model/DrawingHandles.h"
#include "model/KCanvasPane.h"
#include "toolkit/util/Utf8Text.h"

namespace {

constexpr int RemarkTextLimit = RemarkSize - 1;
constexpr float NearestThreshold = 1000.0f;
const vPen GridPen(220, 220, 230, 1, StyleSolid);
const vPen BlackPen(0, 0, 0, 1, StyleSolid);

// Copies at most RemarkTextLimit bytes; the source may be the buffer itself.
void CopyRemark(char* buffer, const char* text) {
    if (!text) {
        return;
    }
    CopyUtf8(buffer, RemarkTextLimit + 1, text);
}

}  // namespace

void KCanvasPane::OnResize(int width, int height) {
    originX = width / 2;
    originY = height / 2;
    scaleX = originX / 150;
    scaleY = originY / 150;
}

void KCanvasPane::ClearCanvas(int keepPoints) {
    if (keepPoints == 0) {
        pointCount = 0;
        setCount = 0;
        setEnds[0] = 0;
        setEnds[1] = 0;
        std::fill(std::begin(drawing.nodeTypes), std::end(drawing.nodeTypes), NodeType::Corner);
        selection.Clear();
        ReportStatus(0, 0);
        SetChanged(false);
    }
    if (_cpDC) {
        _cpDC->EraseCanvas();
    }
    if (_backdrop != nullptr) {
        _backdrop->DrawUnder(*this);
    }
    if (!OwnMapping() || options.snapToGrid) {
        DrawViewGrid();
        DrawGuides();
        return;
    }
    UsePen(GridPen);
    int bottom = static_cast<int>(2 * originY);
    for (double fraction : {1.0, 0.5, 1.5}) {
        int x = static_cast<int>(fraction * originX);
        PaintLine(x, 0, x, bottom);
    }
    int right = static_cast<int>(2 * originX);
    for (double fraction : {1.0, 0.5, 1.5}) {
        int y = static_cast<int>(fraction * originY);
        PaintLine(0, y, right, y);
    }
    PaintText(static_cast<int>(originX - 20), static_cast<int>(originY + 16), "(0,0)");
    UsePen(BlackPen);
    DrawGuides();
}

void KCanvasPane::ResetGesture() {
    pickIndex = 0;
    pickAux = 0;
    pickSet = 0;
    controlState = 0;
    controlWrap = 0;
    anchorX = 0.0;
    anchorY = 0.0;
}

void KCanvasPane::SetRemarks(const char* text1, const char* text2, const char* text3) {
    CopyRemark(remark1, text1);
    CopyRemark(remark2, text2);
    CopyRemark(remark3, text3);
}

void KCanvasPane::SetPrismValues(double start, double end, int spline, int sweep, int sturm,
                                 int open) {
    SetPrismValues(PrismValues{start, end, spline, sweep, sturm, open});
}

void KCanvasPane::SetPrismValues(const PrismValues& values) {
    values.StoreInto(*this);
    _handedSpline.reset();
}

void KCanvasPane::AcceptPrismValues(const PrismValues& values) {
    if (!_handedSpline) {
        _handedSpline = splineType;
    }
    values.StoreInto(*this);
    if (*_handedSpline == splineType) {
        _handedSpline.reset();
    }
}

int KCanvasPane::FindNearestPoint(int px, int py) const {
    double modelX = ModelX(px);
    double modelY = ModelY(py);
    // A cursor that maps beyond the integer range (a canvas squeezed to nothing) finds no point.
    if (!(std::fabs(modelX) < 2e9 && std::fabs(modelY) < 2e9)) {
        return -1;
    }
    int mx = static_cast<int>(modelX);
    int my = static_cast<int>(modelY);
    float best = NearestThreshold;
    int result = -1;
    for (int i = 0; i < pointCount; ++i) {
        double dx = mx - points[i].x;
        double dy = my - points[i].y;
        float d = static_cast<float>(std::sqrt(dx * dx + dy * dy));
        if (d < best) {
            best = d;
            result = i;
        }
    }
    return result;
}

int KCanvasPane::FindSetOf(int index) const {
    // A missing point (-1 from FindNearestPoint) belongs to no set.
    if (index < 0 || index >= pointCount) {
        return -1;
    }
    for (int k = 1; k <= setCount; ++k) {
        if (index < setEnds[k]) {
            return k;
        }
    }
    return -1;
}

int KCanvasPane::FindCoincidentPoint(int index) const {
    if (index < 0 || index >= pointCount) {
        return -1;
    }
    for (int j = 0; j < pointCount; ++j) {
        if (j != index && points[j].x == points[index].x && points[j].y == points[index].y) {
            return j;
        }
    }
    return -1;
}

void KCanvasPane::RemovePoints(int start, int count) {
    RemoveEntries(drawing, start, count);
}

// The set's number stands where its range's end will: a number below 1 says that the point
// lies in no finished set, and nothing else changes.
void KCanvasPane::FindSetCentre() {
    const int k = PickedSetNumber() = FindSetOf(PivotPoint());
    if (k < 1) {
        return;
    }
    const int start = RangeStart() = setEnds[k - 1];
    const int end = RangeEnd() = setEnds[k];
    // The closing point repeats the first; a set too short to have one is centred on its start.
    int last = std::max(start, end - 2);
    double sumX = 0;
    double sumY = 0;
    for (int i = start; i <= last; ++i) {
        sumX += points[i].x;
        sumY += points[i].y;
    }
    anchorX = sumX / (last - start + 1);
    anchorY = sumY / (last - start + 1);
}

void KCanvasPane::InitBezierHandles() {
    ::InitBezierHandles(drawing);
}

void KCanvasPane::DefaultHandles(const Point2& point, const Point2& next, Point2& first,
                                 Point2& second) {
    ::DefaultHandles(point, next, first, second);
}

double KCanvasPane::FileX(double mx) {
    return static_cast<double>(mx * (1.0L / ModelUnitsPerFileUnit));
}

double KCanvasPane::FileY(double my) {
    return static_cast<double>(-my * (1.0L / ModelUnitsPerFileUnit));
}

void KCanvasPane::StatusPosition(int px, int py, double& x, double& y) const {
    // Through a zoomed or moved view, the file position of the model point under the pixel.
    if (!OwnMapping()) {
        x = HasArea() ? FileX(ModelX(px)) : 0;
        y = HasArea() ? FileY(ModelY(py)) : 0;
        return;
    }
    x = originX != 0 ? (px - originX) * 2 / originX : 0;
    y = originY != 0 ? (originY - py) * 2 / originY : 0;
}

void KCanvasPane::ReportStatus(double x, double y) {
    if (ownerWindow) {
        ownerWindow->UpdateStatus(x, y);
    }
}
