#include "interchange/SvgExport.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <pugixml.hpp>
#include <sstream>

#include "interchange/PointArithmetic.h"
#include "model/CurveFlattening.h"
#include "model/NumberText.h"
#include "model/SorCurve.h"
#include "model/SplineCurve.h"
#include "model/WrittenPoints.h"

namespace {

// The larger side of the picture a browser shows, in pixels.
constexpr double PictureSide = 400;

Point2 Twice(Point2 a) {
    return {2 * a.x, 2 * a.y};
}

// Path data written command by command, keeping the bounds of every coordinate written.
class PathText {
public:
    void Move(Point2 p) { Command('M', {p}); }
    void Line(Point2 p) { Command('L', {p}); }
    void Quadratic(Point2 c, Point2 p) { Command('Q', {c, p}); }
    void Cubic(Point2 c1, Point2 c2, Point2 p) { Command('C', {c1, c2, p}); }
    void Close() { _text += 'Z'; }

    const std::string& Text() const { return _text; }
    bool Empty() const { return _text.empty(); }
    bool Finite() const { return _finite; }
    Point2 low{HUGE_VAL, HUGE_VAL};
    Point2 high{-HUGE_VAL, -HUGE_VAL};

private:
    void Command(char letter, std::initializer_list<Point2> points) {
        _text += letter;
        bool first = true;
        for (const Point2& p : points) {
            _text += (first ? "" : " ") + ShortestText(p.x) + "," + ShortestText(p.y);
            _finite = _finite && std::isfinite(p.x) && std::isfinite(p.y);
            first = false;
            low = {std::min(low.x, p.x), std::min(low.y, p.y)};
            high = {std::max(high.x, p.x), std::max(high.y, p.y)};
        }
    }

    std::string _text;
    bool _finite = true;
};

// Set k's points p[0..m], p[m] its closing repeat, as the preview of each spline draws them.
void QuadraticSet(const Point2* p, int m, Point2 control, PathText& path) {
    path.Quadratic(control, p[1]);
    for (int j = 2; j <= m; ++j) {
        path.Quadratic(p[j - 1] + (p[j] - p[j - 2]) / 3, p[j]);
    }
}

void CubicSet(const Point2* p, int m, Point2 control, PathText& path) {
    Point2 q = p[1] + (p[1] - p[2]) / 3;
    path.Cubic(control, q, p[1]);
    for (int j = 2; j <= m - 1; ++j) {
        Point2 first = Twice(p[j - 1]) - q;
        q = p[j] + (p[j - 1] - p[j]) / 3;
        path.Cubic(first, q, p[j]);
    }
    path.Cubic(Twice(p[m - 1]) - q, p[0] - control, p[0]);
}

void AddSet(const Drawing& canvas, int first, int end, PathText& path) {
    const Point2* p = canvas.points + first;
    int m = end - first - 1;
    // The previews draw nothing for a set without a second entry, nor a cubic curve for a set
    // of one point and its repeat.
    if (m < 1 || (canvas.splineType == CubicSpline && m < 2)) {
        return;
    }
    path.Move(p[0]);
    switch (canvas.splineType) {
        case QuadraticSpline:
            QuadraticSet(p, m, canvas.control1[first], path);
            break;
        case CubicSpline:
            CubicSet(p, m, canvas.control1[first], path);
            break;
        case BezierSpline:
            for (int j = 0; j < m; ++j) {
                path.Cubic(canvas.control1[first + j], canvas.control2[first + j], p[j + 1]);
            }
            break;
        default:
            for (int j = 1; j <= m; ++j) {
                path.Line(p[j]);
            }
            break;
    }
    path.Close();
}

Point2 ModelOf(const Point2& file) {
    return {file.x * ModelUnitsPerFileUnit, -file.y * ModelUnitsPerFileUnit};
}

// The file-unit segment as a bezier in model units: its power form's control points.
void AddExactSegment(const SplineSegment& s, bool first, PathText& path) {
    const Point2 control1{s.d.x + s.c.x / 3, s.d.y + s.c.y / 3};
    const Point2 control2{s.d.x + (2 * s.c.x + s.b.x) / 3, s.d.y + (2 * s.c.y + s.b.y) / 3};
    if (first) {
        path.Move(ModelOf(s.d));
    }
    path.Cubic(ModelOf(control1), ModelOf(control2), ModelOf(s.At(1)));
}

// Each piece of the curve a subpath of its own, closed when the curve is.
void AddCurve(const SplineCurve& curve, bool closed, PathText& path) {
    int segment = 0;
    for (int end : curve.pieceEnds) {
        for (int first = segment; segment < end; ++segment) {
            AddExactSegment(curve.segments[static_cast<size_t>(segment)], segment == first, path);
        }
        if (closed) {
            path.Close();
        }
    }
}

// A lathe's or surface of revolution's profiles, as open paths: POV-Ray's curve of each, a
// lathe's segments beziers as they are, a surface of revolution's (its radius is the square
// root of a cubic) flattened to within a tenth of a model unit.
void AddProfiles(const Drawing& canvas, PathText& path) {
    for (const WrittenSet& profile : WrittenSets(WrittenPoints(canvas, canvas.kind))) {
        if (canvas.kind == Sor) {
            Polylines lines;
            FlattenOptions flatten;
            flatten.map = {ModelUnitsPerFileUnit, 0, 0, -ModelUnitsPerFileUnit, 0, 0};
            flatten.tolerance = 0.1;
            FlattenCurve(SorCurve(profile.values), flatten, lines);
            for (size_t i = 0, line = 0; i < lines.points.size(); ++i) {
                const bool starts = i == 0 || static_cast<int>(i) == lines.ends[line - 1];
                line += starts ? 1 : 0;
                starts ? path.Move(lines.points[i]) : path.Line(lines.points[i]);
            }
            continue;
        }
        AddCurve(LatheCurve(canvas.splineType, profile.values), false, path);
    }
}

// POV-Ray's curve of each finished set; true for each set that has one.
std::vector<bool> AddExactSets(const Drawing& canvas, PathText& path) {
    std::vector<bool> curved(SetEndEntries, false);
    for (const WrittenSet& set : WrittenSets(WrittenPoints(canvas, Prism))) {
        if (set.set < 1 || set.set >= SetEndEntries) {
            continue;
        }
        const SplineCurve curve = PrismCurve(canvas.splineType, set.values);
        AddCurve(curve, true, path);
        curved[static_cast<size_t>(set.set)] = !curve.pieceEnds.empty();
    }
    return curved;
}

// Remarks are free text from a file: only printable ASCII is sure to make valid XML.
std::string PlainText(const char* text) {
    std::string plain;
    for (size_t i = 0; i < RemarkSize - 1 && text[i] != '\0'; ++i) {
        plain += text[i] >= ' ' && text[i] <= '~' ? text[i] : '?';
    }
    return plain;
}

void AddDescription(const Drawing& canvas, pugi::xml_node& svg) {
    std::string text;
    for (const char* remark : {canvas.remark1, canvas.remark2, canvas.remark3}) {
        std::string plain = PlainText(remark);
        if (plain != "//" && !plain.empty()) {
            text += (text.empty() ? "" : "\n") + plain;
        }
    }
    if (!text.empty()) {
        svg.append_child("desc").text().set(text.c_str());
    }
}

// False when the frame's numbers are not all finite: a drawing that reaches near the largest
// numbers has no size that a number can hold.
bool SetFrame(pugi::xml_node& svg, Point2 low, Point2 high) {
    if (!(low.x <= high.x)) {
        low = {-150, -150};
        high = {150, 150};
    }
    double margin = std::max(high.x - low.x, high.y - low.y) * 0.05 + 1;
    low = {low.x - margin, low.y - margin};
    Point2 size{high.x - low.x + margin, high.y - low.y + margin};
    double scale = PictureSide / std::max(size.x, size.y);
    for (double value : {low.x, low.y, size.x, size.y, scale}) {
        if (!std::isfinite(value)) {
            return false;
        }
    }
    svg.append_attribute("width") = ShortestText(std::round(size.x * scale)).c_str();
    svg.append_attribute("height") = ShortestText(std::round(size.y * scale)).c_str();
    std::string box = ShortestText(low.x) + " " + ShortestText(low.y) + " " + ShortestText(size.x) +
                      " " + ShortestText(size.y);
    svg.append_attribute("viewBox") = box.c_str();
    return true;
}

void SetStroke(pugi::xml_node& node) {
    node.append_attribute("stroke") = "#000000";
    node.append_attribute("stroke-width") = "1";
    node.append_attribute("vector-effect") = "non-scaling-stroke";
}

}  // namespace

std::string SvgDocumentText(const Drawing& canvas, bool exact) {
    int points = std::clamp(canvas.pointCount, 0, MaxPoints);
    int sets = std::clamp(canvas.setCount, 0, MaxSets);
    PathText path;
    PathText open;
    int first = 0;
    if (IsTurnedKind(canvas.kind)) {
        AddProfiles(canvas, open);
        first = open.Empty() ? points : 0;
    } else {
        const bool curves =
            exact && canvas.splineType >= QuadraticSpline && canvas.splineType <= BezierSpline;
        const std::vector<bool> curved =
            curves ? AddExactSets(canvas, path) : std::vector<bool>(SetEndEntries, false);
        for (int k = 1; k <= sets; ++k) {
            int end = std::clamp(canvas.setEnds[k], first, points);
            if (!curved[static_cast<size_t>(k)]) {
                AddSet(canvas, first, end, path);
            }
            first = end;
        }
        for (int i = first; i < points; ++i) {
            i == first ? open.Move(canvas.points[i]) : open.Line(canvas.points[i]);
        }
    }

    pugi::xml_document document;
    pugi::xml_node declaration = document.append_child(pugi::node_declaration);
    declaration.append_attribute("version") = "1.0";
    declaration.append_attribute("encoding") = "UTF-8";
    pugi::xml_node svg = document.append_child("svg");
    svg.append_attribute("xmlns") = "http://www.w3.org/2000/svg";
    if (!path.Finite() || !open.Finite() ||
        !SetFrame(svg, {std::min(path.low.x, open.low.x), std::min(path.low.y, open.low.y)},
                  {std::max(path.high.x, open.high.x), std::max(path.high.y, open.high.y)})) {
        return "";
    }
    AddDescription(canvas, svg);
    if (!path.Empty()) {
        pugi::xml_node outline = svg.append_child("path");
        outline.append_attribute("fill") = "#fa6423";
        outline.append_attribute("fill-rule") = "evenodd";
        SetStroke(outline);
        outline.append_attribute("d") = path.Text().c_str();
    }
    // An unfinished set has no closing point yet: it is shown as the line drawn so far. So are
    // the profiles of a lathe or surface of revolution.
    if (points - first >= 2) {
        pugi::xml_node line = svg.append_child("path");
        line.append_attribute("fill") = "none";
        SetStroke(line);
        line.append_attribute("d") = open.Text().c_str();
    }
    std::ostringstream out;
    document.save(out, "  ");
    return out.str();
}

std::string SvgDocumentText(const KCanvasPane& canvas, bool exact) {
    return SvgDocumentText(canvas.AsShown(), exact);
}
