#include "interchange/CanvasOutline.h"

#include "model/DrawingHandles.h"

void PutOutline(const Outline& outline, Drawing& canvas) {
    canvas.pointCount = 0;
    canvas.setCount = 0;
    canvas.setEnds[0] = 0;
    for (const Outline::Set& set : outline.sets) {
        int first = canvas.pointCount;
        int n = static_cast<int>(set.points.size());
        if (canvas.setCount >= MaxSets || n < 1 || n + 1 > MaxPoints - first) {
            break;
        }
        for (int j = 0; j < n; ++j) {
            canvas.points[first + j] = set.points[j];
        }
        canvas.pointCount = first + n;
        canvas.points[canvas.pointCount] = set.points[0];
        InitBezierHandles(canvas);
        canvas.setEnds[++canvas.setCount] = ++canvas.pointCount;
        for (size_t j = 0; j < set.segments.size(); ++j) {
            const Outline::Segment& segment = set.segments[j];
            if (segment.curved) {
                canvas.control1[first + j] = segment.handle1;
                canvas.control2[first + j] = segment.handle2;
            }
        }
        if (set.hasControl) {
            canvas.control1[first] = set.control;
        }
    }

    canvas.CheckInvariants();
}

void PutPrismValues(const Outline& outline, Drawing& drawing) {
    outline.prism.StoreInto(drawing);
}

void PutOutline(const Outline& outline, KCanvasPane& canvas) {
    PutOutline(outline, canvas.Model());
}

void PutPrismValues(const Outline& outline, KCanvasPane& canvas) {
    canvas.SetPrismValues(outline.prism);
}
