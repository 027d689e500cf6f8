// The SVG path-data parser on any text: it fails exactly when it says why, every subpath has
// a point and a segment to each further point (or none while all are straight), and subpaths of
// finite numbers, written again as absolute path data, parse to the same subpaths.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "fuzz/FuzzCheck.h"
#include "interchange/ImportReport.h"
#include "interchange/SvgPathData.h"

namespace {

bool Finite(const Point2& p) {
    return std::isfinite(p.x) && std::isfinite(p.y);
}

bool Equal(const Point2& a, const Point2& b) {
    return a.x == b.x && a.y == b.y;
}

std::string Pair(const Point2& p) {
    return Printed("%.17g %.17g ", p.x, p.y);
}

// The subpaths as path data of absolute commands; false when a number is not finite.
bool Written(const std::vector<SvgSubpath>& subpaths, std::string& data) {
    for (const SvgSubpath& path : subpaths) {
        Require(!path.points.empty(), "a subpath without a point");
        Require(path.segments.empty() || path.segments.size() + 1 == path.points.size(),
                "a subpath's segments do not match its points");
        if (!Finite(path.points[0])) {
            return false;
        }
        data += "M" + Pair(path.points[0]);
        for (size_t j = 1; j < path.points.size(); ++j) {
            const bool curved = !path.segments.empty() && path.segments[j - 1].curved;
            const Outline::Segment& s =
                path.segments.empty() ? Outline::Segment{} : path.segments[j - 1];
            if (!Finite(path.points[j]) || (curved && (!Finite(s.handle1) || !Finite(s.handle2)))) {
                return false;
            }
            data += curved ? "C" + Pair(s.handle1) + Pair(s.handle2) : "L";
            data += Pair(path.points[j]);
        }
        data += path.closed ? "Z" : "";
    }
    return true;
}

bool Same(const SvgSubpath& a, const SvgSubpath& b) {
    if (a.points.size() != b.points.size() || a.closed != b.closed) {
        return false;
    }
    for (size_t j = 0; j < a.points.size(); ++j) {
        if (!Equal(a.points[j], b.points[j])) {
            return false;
        }
        if (j == 0) {
            continue;
        }
        const Outline::Segment s = a.segments.empty() ? Outline::Segment{} : a.segments[j - 1];
        const Outline::Segment t = b.segments.empty() ? Outline::Segment{} : b.segments[j - 1];
        if (s.curved != t.curved ||
            (s.curved && (!Equal(s.handle1, t.handle1) || !Equal(s.handle2, t.handle2)))) {
            return false;
        }
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    std::vector<SvgSubpath> subpaths;
    std::string error;
    const bool parsed = ParseSvgPathData(text.c_str(), subpaths, error);
    Require(parsed == error.empty(), "the result and the reason disagree: " + error);
    std::string again;
    if (!Written(subpaths, again)) {
        return 0;
    }
    std::vector<SvgSubpath> reparsed;
    Require(ParseSvgPathData(again.c_str(), reparsed, error), "written again, refused: " + error);
    Require(reparsed.size() == subpaths.size(), "written again, other subpaths:\n" + again);
    for (size_t i = 0; i < subpaths.size(); ++i) {
        Require(Same(subpaths[i], reparsed[i]),
                "written again, subpath " + std::to_string(i) + " differs:\n" + again);
    }
    return 0;
}
