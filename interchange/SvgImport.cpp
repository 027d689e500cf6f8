#include "interchange/SvgImport.h"

#include <algorithm>
#include <cstring>
#include <map>
#include <pugixml.hpp>

#include "interchange/SvgPathData.h"
#include "interchange/SvgScanner.h"
#include "interchange/SvgTransformList.h"

namespace {

// Groups nested deeper than this are left out.
constexpr int MaxGroupDepth = 256;

const char* LocalName(const pugi::xml_node& node) {
    const char* colon = std::strchr(node.name(), ':');
    return colon != nullptr ? colon + 1 : node.name();
}

bool IsOneOf(const char* name, const char* const* names) {
    for (; *names != nullptr; ++names) {
        if (std::strcmp(name, *names) == 0) {
            return true;
        }
    }
    return false;
}

// Elements that draw nothing themselves, or draw only where something else refers to them.
bool DrawsNothing(const pugi::xml_node& node) {
    static const char* const names[] = {"defs",   "clipPath",       "mask",           "symbol",
                                        "marker", "pattern",        "title",          "desc",
                                        "style",  "linearGradient", "radialGradient", "filter",
                                        "script", "metadata",       "foreignObject",  nullptr};
    // Elements of other vocabularies (an editor's own settings, for one) are not drawn.
    const char* colon = std::strchr(node.name(), ':');
    bool foreign = colon != nullptr && std::strncmp(node.name(), "svg:", 4) != 0;
    return foreign || IsOneOf(LocalName(node), names);
}

bool IsHidden(const pugi::xml_node& node) {
    std::string style;
    for (const char* c = node.attribute("style").value(); *c != '\0'; ++c) {
        if (*c != ' ') {
            style += *c;
        }
    }
    return std::strcmp(node.attribute("display").value(), "none") == 0 ||
           style.find("display:none") != std::string::npos;
}

// A length in user units: a number, optionally followed by "px". Missing means the default.
bool TakeLength(const pugi::xml_node& node, const char* name, double fallback, double& value) {
    pugi::xml_attribute attribute = node.attribute(name);
    if (!attribute) {
        value = fallback;
        return true;
    }
    SvgScanner in(attribute.value());
    in.SkipSpace();
    if (!in.Number(value)) {
        return false;
    }
    if (in.Take('p') && !in.Take('x')) {
        return false;
    }
    in.SkipSpace();
    return in.AtEnd();
}

std::string RectPath(double x, double y, double w, double h, double rx, double ry) {
    if (rx <= 0 || ry <= 0) {
        return Printed("M%.17g %.17gH%.17gV%.17gH%.17gZ", x, y, x + w, y + h, x);
    }
    std::string arc = Printed("A%.17g %.17g 0 0 1 ", rx, ry);
    return Printed("M%.17g %.17gH%.17g", x + rx, y, x + w - rx) + arc +
           Printed("%.17g %.17gV%.17g", x + w, y + ry, y + h - ry) + arc +
           Printed("%.17g %.17gH%.17g", x + w - rx, y + h, x + rx) + arc +
           Printed("%.17g %.17gV%.17g", x, y + h - ry, y + ry) + arc +
           Printed("%.17g %.17gZ", x + rx, y);
}

std::string EllipsePath(double cx, double cy, double rx, double ry) {
    std::string arc = Printed("A%.17g %.17g 0 0 1 ", rx, ry);
    return Printed("M%.17g %.17g", cx + rx, cy) + arc + Printed("%.17g %.17g", cx, cy + ry) + arc +
           Printed("%.17g %.17g", cx - rx, cy) + arc + Printed("%.17g %.17g", cx, cy - ry) + arc +
           Printed("%.17g %.17gZ", cx + rx, cy);
}

// Line numbers of offsets into a text, counted on from the offset asked for last, since the
// notes of a document come in its order.
class LineCounter {
public:
    explicit LineCounter(const std::string& text) : _text(text) {}

    int LineAt(ptrdiff_t offset) {
        size_t end = std::min(_text.size(), static_cast<size_t>(std::max<ptrdiff_t>(offset, 0)));
        if (end < _offset) {
            _offset = 0;
            _line = 1;
        }
        _line += static_cast<int>(std::count(_text.begin() + static_cast<ptrdiff_t>(_offset),
                                             _text.begin() + static_cast<ptrdiff_t>(end), '\n'));
        _offset = end;
        return _line;
    }

private:
    const std::string& _text;
    size_t _offset = 0;
    int _line = 1;
};

class SvgReading {
public:
    SvgReading(const std::string& text, Outline& outline, ImportReport& report)
        : _text(text), _lines(text), _outline(outline), _report(report) {}

    bool Read() {
        pugi::xml_parse_result parsed = _document.load_buffer(_text.data(), _text.size());
        if (!parsed) {
            return _report.Fail(Printed("The SVG document cannot be read: %s (line %d)",
                                        parsed.description(), _lines.LineAt(parsed.offset)));
        }
        pugi::xml_node root = _document.document_element();
        if (std::strcmp(LocalName(root), "svg") != 0) {
            return _report.Fail(
                Printed("The document is not SVG: its outermost element is <%s>", root.name()));
        }
        Walk(root, Affine2{}, 0);
        for (const auto& [name, count] : _leftOut) {
            _report.NoteAlike("left out",
                              Printed("<%s> elements left out (only path, polygon, polyline, "
                                      "rect, circle and ellipse are imported): %d",
                                      name.c_str(), count));
        }
        if (_closedByImport > 0) {
            _report.Note(Printed("Open subpaths closed with a straight line: %d", _closedByImport));
        }
        _outline.kind = Prism;
        _outline.prism.spline = _outline.HasCurves() ? BezierSpline : LinearSpline;
        return true;
    }

private:
    // A note on an element; notes of one kind on elements of one name are alike.
    void NoteAt(const pugi::xml_node& node, const char* kind, const std::string& what) {
        _report.NoteAlike(std::string(kind) + " <" + node.name() + ">",
                          Printed("line %d: <%s> %s", _lines.LineAt(node.offset_debug()),
                                  node.name(), what.c_str()));
    }

    // Each group is a level of recursion: a document nested past what any drawing needs is cut
    // there rather than let it exhaust the stack.
    void Walk(const pugi::xml_node& parent, const Affine2& outer, int depth) {
        static const char* const groups[] = {"g", "svg", "a", "switch", nullptr};
        for (pugi::xml_node node : parent.children()) {
            if (node.type() != pugi::node_element || DrawsNothing(node) || IsHidden(node)) {
                continue;
            }
            Affine2 map = outer;
            pugi::xml_attribute transform = node.attribute("transform");
            Affine2 own;
            if (transform && !ParseSvgTransform(transform.value(), own)) {
                NoteAt(node, "transform", "has a transform that cannot be read and is left out");
                continue;
            }
            map = outer * own;
            if (IsOneOf(LocalName(node), groups)) {
                if (depth == MaxGroupDepth) {
                    NoteAt(node, "depth",
                           Printed("is nested more than %d groups deep and is left out",
                                   MaxGroupDepth));
                    continue;
                }
                Walk(node, map, depth + 1);
                continue;
            }
            std::string made;
            const char* data = nullptr;
            if (!PathDataOf(node, made, data)) {
                continue;
            }
            AddPath(node, data, map);
        }
    }

    // The element's outline as path data: a path's own, or made for another shape; false for
    // elements that are not shapes, or not drawn.
    bool PathDataOf(const pugi::xml_node& node, std::string& made, const char*& data) {
        std::string name = LocalName(node);
        data = made.c_str();
        if (name == "path") {
            data = node.attribute("d").value();
            return true;
        }
        if (name == "polygon" || name == "polyline") {
            const char* points = node.attribute("points").value();
            if (*points != '\0') {
                made.reserve(std::strlen(points) + 2);
                made.append("M").append(points).append(name == "polygon" ? "Z" : "");
            }
            data = made.c_str();
            return true;
        }
        if (name != "rect" && name != "circle" && name != "ellipse") {
            ++_leftOut[name];
            return false;
        }
        const bool drawn = BasicShapeData(node, name, made);
        data = made.c_str();
        return drawn;
    }

    // A rect, circle or ellipse as path data; false when it is not drawn.
    bool BasicShapeData(const pugi::xml_node& node, const std::string& name, std::string& data) {
        double v[6] = {};
        bool rect = name == "rect";
        bool lengths =
            rect ? TakeLength(node, "x", 0, v[0]) && TakeLength(node, "y", 0, v[1]) &&
                       TakeLength(node, "width", 0, v[2]) && TakeLength(node, "height", 0, v[3]) &&
                       TakeLength(node, "rx", -1, v[4]) && TakeLength(node, "ry", -1, v[5])
                 : TakeLength(node, "cx", 0, v[0]) && TakeLength(node, "cy", 0, v[1]) &&
                       TakeLength(node, name == "circle" ? "r" : "rx", 0, v[2]) &&
                       TakeLength(node, name == "circle" ? "r" : "ry", 0, v[3]);
        if (!lengths) {
            NoteAt(node, "length", "has a length that is not in user units and is left out");
            return false;
        }
        // A shape with no width or height is not drawn.
        if (v[2] <= 0 || v[3] <= 0) {
            return false;
        }
        data = rect ? RoundedRect(v) : EllipsePath(v[0], v[1], v[2], v[3]);
        return true;
    }

    // A rectangle's corner radii: one given stands for both, each at most half the side.
    static std::string RoundedRect(double* v) {
        double rx = v[4] >= 0 ? v[4] : std::max(v[5], 0.0);
        double ry = v[5] >= 0 ? v[5] : rx;
        return RectPath(v[0], v[1], v[2], v[3], std::min(rx, v[2] / 2), std::min(ry, v[3] / 2));
    }

    void AddPath(const pugi::xml_node& node, const char* data, const Affine2& map) {
        auto take = [&](SvgSubpath& subpath) {
            if (subpath.points.size() < 2) {
                return;
            }
            const Point2& first = subpath.points.front();
            const Point2& last = subpath.points.back();
            bool meets = first.x == last.x && first.y == last.y;
            _closedByImport += subpath.closed || meets ? 0 : 1;
            _outline.sets.push_back(ClosedSet(subpath, map));
        };
        std::string error;
        if (!ParseSvgPathData(data, take, error)) {
            NoteAt(node, "path data",
                   Printed("has bad path data (%s); the rest of it is left out", error.c_str()));
        }
    }

    // The subpath as a set, its points and segments taken over: a last point on the first one
    // is the closing repeat, which the set does not keep; any other end gets a straight segment
    // back to the first point.
    static Outline::Set ClosedSet(SvgSubpath& subpath, const Affine2& map) {
        Outline::Set set;
        const Point2 first = subpath.points.front();
        const Point2 last = subpath.points.back();
        set.points = std::move(subpath.points);
        set.segments = std::move(subpath.segments);
        for (Point2& p : set.points) {
            p = map.Apply(p);
        }
        for (Outline::Segment& s : set.segments) {
            if (s.curved) {
                s = {true, map.Apply(s.handle1), map.Apply(s.handle2)};
            }
        }
        if (first.x == last.x && first.y == last.y) {
            set.points.pop_back();
        } else if (!set.segments.empty()) {
            set.segments.push_back(Outline::Segment{});
        }
        return set;
    }

    const std::string& _text;
    LineCounter _lines;
    Outline& _outline;
    ImportReport& _report;
    pugi::xml_document _document;
    std::map<std::string, int> _leftOut;
    int _closedByImport = 0;
};

}  // namespace

bool ImportSvg(const std::string& text, Outline& outline, ImportReport& report) {
    return SvgReading(text, outline, report).Read();
}
