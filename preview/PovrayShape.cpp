#include "preview/PovrayShape.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <sstream>
#include <vector>

#include "model/EditState.h"
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

}  // namespace

// The text as the scene writer lays it out: remarks, the head line with its opening brace, and
// the body.
PovrayShape PovrayShape::Of(const std::string& sceneText, int size) {
    PovrayShape shape;
    std::istringstream in(sceneText);
    std::string line;
    while (std::getline(in, line) && line.find('{') == std::string::npos) {
    }
    shape.kind = line.find("prism") != std::string::npos ? Kind::Prism : Kind::Polygon;
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
