// export-svg on every drawing the scene reader makes of any bytes: the document never writes a
// number that is not finite (a drawing that would need one is refused), and importing it gives
// back each set it draws, point for point (and handle for handle in a bezier spline); a lathe's
// or surface of revolution's document is accepted by the import.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz/CanvasReading.h"
#include "fuzz/FuzzCheck.h"
#include "interchange/SvgExport.h"
#include "interchange/SvgImport.h"
#include "model/EditState.h"
#include "model/KCanvasPane.h"
#include "scenefile/SceneReadResult.h"

namespace {

// printf writes a number that is not finite as "inf" or "nan"; the remarks' free text in the
// description may hold those letters and is left out of the search.
void RequireFiniteNumbers(const std::string& document) {
    std::string numbers = document;
    const size_t begin = numbers.find("<desc>");
    if (begin != std::string::npos) {
        numbers.erase(begin, numbers.find("</desc>") - begin);
    }
    std::transform(numbers.begin(), numbers.end(), numbers.begin(),
                   [](char c) { return static_cast<char>(c | 0x20); });
    Require(numbers.find("inf") == std::string::npos && numbers.find("nan") == std::string::npos,
            "a number that is not finite was written:\n" + document);
}

bool Equal(const Point2& a, const Point2& b) {
    return a.x == b.x && a.y == b.y;
}

// The sets the document draws, in order, are the first ones imported.
void RequireSetsBack(const KCanvasPane& canvas, const Outline& outline, const std::string& doc) {
    size_t imported = 0;
    const bool cubic = canvas.splineType == CubicSpline;
    for (int k = 1, first = 0; k <= canvas.setCount; first = canvas.setEnds[k++]) {
        const int m = canvas.setEnds[k] - first - 1;
        if (m < 1 || (cubic && m < 2)) {
            continue;
        }
        Require(imported < outline.sets.size(), "a set drawn was not imported:\n" + doc);
        const Outline::Set& set = outline.sets[imported++];
        const Point2* p = canvas.points + first;
        const bool closes = cubic || Equal(p[m], p[0]);
        const size_t points = static_cast<size_t>(closes ? m : m + 1);
        Require(set.points.size() == points, "set " + std::to_string(k) + " came back with " +
                                                 std::to_string(set.points.size()) + " points");
        for (size_t j = 0; j < points; ++j) {
            Require(Equal(set.points[j], p[j]),
                    "a point of set " + std::to_string(k) + " came back moved:\n" + doc);
        }
        for (int j = 0; j < m && canvas.splineType == BezierSpline; ++j) {
            const Outline::Segment s = set.SegmentFrom(static_cast<size_t>(j));
            Require(s.curved && Equal(s.handle1, canvas.control1[first + j]) &&
                        Equal(s.handle2, canvas.control2[first + j]),
                    "a handle of set " + std::to_string(k) + " came back moved:\n" + doc);
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    for (int kind : {Polygon, Prism}) {
        shapeKind = kind;
        KCanvasPane canvas(nullptr);
        if (ReadInto(canvas, reinterpret_cast<const char*>(data), size) != ReadOk) {
            continue;
        }
        const std::string document = SvgDocumentText(canvas);
        if (document.empty()) {
            continue;
        }
        RequireFiniteNumbers(document);
        Outline outline;
        ImportReport report;
        Require(ImportSvg(document, outline, report), "the document was refused: " + report.error);
        // A lathe's or surface of revolution's profiles are drawn as POV-Ray's open curves,
        // not as sets to import again.
        if (!IsTurnedKind(shapeKind)) {
            RequireSetsBack(canvas, outline, document);
        }
    }
    return 0;
}
