#pragma once

#include <cmath>
#include <cstdint>
#include <string>

#include "fuzz/CanvasReading.h"
#include "fuzz/FuzzCheck.h"
#include "interchange/CanvasOutline.h"
#include "interchange/OutlineGeometry.h"
#include "interchange/OutlinePreparation.h"
#include "model/EditState.h"
#include "model/KCanvasPane.h"
#include "scenefile/SceneReadResult.h"
#include "support/DrawingSoundness.h"

// What `vexlin-tool import` is asked to make of an outline: the kind written, the spline and
// whether to fit the outline into the canvas.
struct ImportChoices {
    int kind;
    int spline;
    bool fit;

    // The outline as it came, written as the kind and spline its source gave.
    static ImportChoices Own(const Outline& outline) {
        return {outline.kind, outline.kind == Polygon ? LinearSpline : outline.prism.spline, false};
    }
    // Other choices, picked by the bytes, so that every input is also tried with them.
    static ImportChoices From(const uint8_t* data, size_t size) {
        uint32_t hash = 2166136261u;
        for (size_t i = 0; i < size; ++i) {
            hash = (hash ^ data[i]) * 16777619u;
        }
        const int kind = hash & 1 ? Prism : Polygon;
        return {kind, kind == Polygon ? LinearSpline : static_cast<int>(hash >> 1 & 3),
                (hash >> 3 & 1) != 0};
    }
};

inline std::string WrittenText(const KCanvasPane& canvas, int kind) {
    std::string text;
    int written = -1;
    Require(canvas.SceneFileText("", kind, text, written), "the writer refused the import");
    Require(written == kind, "the writer chose another kind");
    return text;
}

inline bool Near(const Point2& a, const Point2& b) {
    auto near = [](double u, double v) {
        return std::fabs(u - v) <= 1e-5 * std::fmax(std::fabs(u), std::fabs(v)) + 1e-9;
    };
    return near(a.x, b.x) && near(a.y, b.y);
}

// The drawing read back from what the writer wrote is the one imported: the same sets and
// points, and what shapes the spline (a bezier set's handles, a quadratic or cubic set's
// control point) to the digits the file keeps.
inline void RequireSameDrawing(const KCanvasPane& imported, const KCanvasPane& read,
                               const std::string& text) {
    Require(read.pointCount == imported.pointCount && read.setCount == imported.setCount,
            "the sets read back differ:\n" + text);
    for (int k = 0; k <= read.setCount; ++k) {
        Require(read.setEnds[k] == imported.setEnds[k], "a set end read back differs:\n" + text);
    }
    const bool bezier = read.splineType == BezierSpline;
    const bool controlled = read.splineType == QuadraticSpline || read.splineType == CubicSpline;
    for (int i = 0, set = 0; i < read.pointCount; ++i) {
        Require(
            read.points[i].x == imported.points[i].x && read.points[i].y == imported.points[i].y,
            "point " + std::to_string(i) + " read back differs:\n" + text);
        const bool first = i == read.setEnds[set];
        set += first && set < read.setCount ? 1 : 0;
        Require((!bezier && !(controlled && first)) ||
                    (Near(read.control1[i], imported.control1[i]) &&
                     (!bezier || Near(read.control2[i], imported.control2[i]))),
                "handle " + std::to_string(i) + " read back differs:\n" + text);
    }
}

// Imports that succeed give at most 500 entries in at most 99 sets, all finite, and a drawing
// that is written, read back to the same drawing and written again to the same bytes. An
// import refused says why.
inline void CheckImport(bool read, Outline outline, ImportReport report,
                        const ImportChoices& choices) {
    if (!read || !PrepareOutline(outline, choices.spline, choices.fit, report)) {
        Require(!report.error.empty(), "an import refused without a reason");
        return;
    }
    Require(outline.EntryCount() <= MaxPoints, "more entries than a drawing holds");
    Require(outline.sets.size() <= static_cast<size_t>(MaxSets), "more sets than a drawing holds");
    Require(AllFinite(outline), "a coordinate is not finite");
    KCanvasPane canvas(nullptr);
    PutPrismValues(outline, canvas);
    PutOutline(outline, canvas);
    Require(canvas.pointCount == outline.EntryCount(), "a set was not put on the canvas");
    const std::string fault = DrawingFault(canvas);
    Require(fault.empty(), "the import left " + fault);
    const std::string text = WrittenText(canvas, choices.kind);
    shapeKind = choices.kind;
    KCanvasPane again(nullptr);
    Require(ReadInto(again, text.data(), text.size()) == ReadOk,
            "the reader refused the import written:\n" + text);
    RequireSameDrawing(canvas, again, text);
    Require(WrittenText(again, choices.kind) == text, "written again, the text differs:\n" + text);
}
