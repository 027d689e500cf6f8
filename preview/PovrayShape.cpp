#include "preview/PovrayShape.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <sstream>
#include <vector>

#include "model/EditState.h"
#include "model/ProfileRules.h"
#include "model/SplineCurve.h"

namespace {

// The largest side of the box holding the values; the curves stay near it.
double Extent(const std::vector<Point2>& values) {
    if (values.empty()) {
        return 0;
    }
    Point2 low = values[0];
    Point2 high = values[0];
    for (const Point2& p : values) {
        low = {std::min(low.x, p.x), std::min(low.y, p.y)};
        high = {std::max(high.x, p.x), std::max(high.y, p.y)};
    }
    return std::max(high.x - low.x, high.y - low.y);
}

// A declaration's point list and spline.
struct PointList {
    std::vector<Point2> values;
    int spline = LinearSpline;
};

// The lines after the head line, one keyword, value or point a line until the closing brace;
// how the prism stands goes into the shape.
PointList ReadBody(std::istream& in, PovrayShape& shape) {
    static const char* const splines[] = {"linear_spline", "quadratic_spline", "cubic_spline",
                                          "bezier_spline"};
    PointList list;
    bool heights = false;
    std::string line;
    while (std::getline(in, line) && line.compare(0, 1, "}") != 0) {
        // The writer ends its lines as the editor's first platform did, with a carriage return.
        line.erase(line.find_last_not_of("\r ") + 1);
        for (int s = LinearSpline; s <= BezierSpline; ++s) {
            list.spline = line == splines[s] ? s : list.spline;
        }
        shape.conic = shape.conic || line == "conic_sweep";
        shape.open = shape.open || line == "open";
        Point2 p{0, 0};
        if (line[0] == '<' && std::sscanf(line.c_str(), "<%lf,%lf", &p.x, &p.y) == 2) {
            list.values.push_back(p);
        } else if (!heights && shape.kind == PovrayShape::Kind::Prism &&
                   std::sscanf(line.c_str(), "%lf,%lf", &shape.low, &shape.high) == 2) {
            heights = true;
        }
    }
    if (shape.low > shape.high) {
        std::swap(shape.low, shape.high);
    }
    return list;
}

// The kind a declaration's opening line names; a union's is that of its first member.
PovrayShape::Kind KindNamed(const std::string& line) {
    const struct {
        const char* word;
        PovrayShape::Kind kind;
    } words[] = {{"prism", PovrayShape::Kind::Prism},
                 {"lathe", PovrayShape::Kind::Lathe},
                 {"sor", PovrayShape::Kind::Sor}};
    for (const auto& named : words) {
        if (line.find(named.word) != std::string::npos) {
            return named.kind;
        }
    }
    return PovrayShape::Kind::Polygon;
}

// The model's rules for a profile as POV-Ray reads it; POV-Ray refuses the whole file for any
// one broken, and so does the writer.
bool BreaksRules(PovrayShape::Kind kind, const PointList& list) {
    std::vector<WrittenEntry> profile;
    for (const Point2& p : list.values) {
        profile.push_back(
            {p, p, WrittenRole::Point, WrittenSource::Points, static_cast<int>(profile.size()), 1});
    }
    return !(kind == PovrayShape::Kind::Lathe ? LatheRuleBreaks(list.spline, profile)
                                              : SorRuleBreaks(profile))
                .empty();
}

// The lathes or sors of the declaration whose opening line was read: one, or a union's.
std::vector<PointList> ReadProfiles(std::istream& in, const std::string& head, PovrayShape& shape) {
    std::vector<PointList> lists;
    if (head.find("union") == std::string::npos) {
        lists.push_back(ReadBody(in, shape));
        return lists;
    }
    std::string line;
    while (std::getline(in, line) && line.compare(0, 1, "}") != 0) {
        if (line.find('{') != std::string::npos && line.compare(0, 2, "//") != 0) {
            shape.kind = KindNamed(line);
            lists.push_back(ReadBody(in, shape));
        }
    }
    return lists;
}

void Widen(PovrayShape& shape, const Point2& p) {
    shape.radius = std::max(shape.radius, std::fabs(p.x));
    shape.low = std::min(shape.low, p.y);
    shape.high = std::max(shape.high, p.y);
}

// Each segment a piece of its own: the sketches shade smoothly only along a piece, so that the
// corners where segments meet stay corners.
SplineCurve SegmentPieces(SplineCurve curve) {
    curve.pieceEnds.clear();
    for (size_t end = 1; end <= curve.segments.size(); ++end) {
        curve.pieceEnds.push_back(static_cast<int>(end));
    }
    return curve;
}

// A surface of revolution's segments one by one, and its caps unless it is open.
void FlattenSor(const std::vector<Point2>& values, const FlattenOptions& options,
                PovrayShape& shape) {
    for (const SorSegment& segment : SorCurve(values)) {
        FlattenCurve(std::vector<SorSegment>{segment}, options, shape.profiles);
    }
    for (const Point2& rim : {values[1], values[values.size() - 2]}) {
        if (!shape.open) {
            shape.profiles.points.push_back({0, rim.y});
            shape.profiles.points.push_back(rim);
            shape.profiles.ends.push_back(static_cast<int>(shape.profiles.points.size()));
        }
        Widen(shape, rim);
    }
}

// POV-Ray bounds a turned object by the curve's own extremes, but a bezier lathe by its points.
void ReadTurned(std::istream& in, const std::string& head, int size, PovrayShape& shape) {
    const std::vector<PointList> lists = ReadProfiles(in, head, shape);
    std::vector<Point2> every;
    for (const PointList& list : lists) {
        if (BreaksRules(shape.kind, list)) {
            return;
        }
        every.insert(every.end(), list.values.begin(), list.values.end());
    }
    FlattenOptions options;
    options.tolerance = Extent(every) / (4.0 * std::max(size, 1));
    shape.low = HUGE_VAL;
    shape.high = -HUGE_VAL;
    for (const PointList& list : lists) {
        if (shape.kind == PovrayShape::Kind::Sor) {
            FlattenSor(list.values, options, shape);
        } else {
            FlattenCurve(SegmentPieces(LatheCurve(list.spline, list.values)), options,
                         shape.profiles);
        }
        if (shape.kind == PovrayShape::Kind::Lathe && list.spline == BezierSpline) {
            for (const Point2& p : list.values) {
                Widen(shape, p);
            }
        }
    }
    for (const Point2& p : shape.profiles.points) {
        Widen(shape, p);
    }
    if (!(shape.low <= shape.high)) {
        shape.low = shape.high = 0;
    }
}

}  // namespace

// The text as the scene writer lays it out: remarks, the head line with its opening brace, and
// the body; a lathe's or a sor's several profiles are the members of a union.
PovrayShape PovrayShape::Of(const std::string& sceneText, int size) {
    PovrayShape shape;
    std::istringstream in(sceneText);
    std::string head;
    while (std::getline(in, head) && head.compare(0, 9, "#declare ") != 0) {
    }
    shape.kind = KindNamed(head);
    if (shape.Turned() || head.find("union") != std::string::npos) {
        ReadTurned(in, head, size, shape);
        return shape;
    }
    const PointList list = ReadBody(in, shape);
    // A polygon reads its list as a linear prism does.
    const SplineCurve curve =
        PrismCurve(shape.kind == Kind::Prism ? list.spline : LinearSpline, list.values);
    if (curve.messages.error == nullptr) {
        FlattenOptions options;
        options.tolerance = Extent(list.values) / (4.0 * std::max(size, 1));
        FlattenCurve(curve, options, shape.outlines);
    }
    return shape;
}
