#include "preview/PovrayOutline.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <sstream>

namespace {

enum Spline { Linear, Quadratic, Cubic, Bezier };

bool Same(const Point2& a, const Point2& b) {
    return std::fabs(a.x - b.x) < 1e-10 && std::fabs(a.y - b.y) < 1e-10;
}

// One segment p(t) = A t^3 + B t^2 + C t + D, the same weights for both coordinates.
struct Cubic3 {
    double a[4];
    double b[4];
    double c[4];
    double d[4];
};

Point2 Weighted(const double* w, const Point2* p) {
    return {w[0] * p[0].x + w[1] * p[1].x + w[2] * p[2].x + w[3] * p[3].x,
            w[0] * p[0].y + w[1] * p[1].y + w[2] * p[2].y + w[3] * p[3].y};
}

// The weights of the four input points in each coefficient, for each spline.
const Cubic3& WeightsOf(Spline spline) {
    static const Cubic3 quadratic{{0, 0, 0, 0}, {0.5, -1, 0.5, 0}, {-0.5, 0, 0.5, 0}, {0, 1, 0, 0}};
    static const Cubic3 catmullRom{
        {-0.5, 1.5, -1.5, 0.5}, {1, -2.5, 2, -0.5}, {-0.5, 0, 0.5, 0}, {0, 1, 0, 0}};
    static const Cubic3 bezier{{-1, 3, -3, 1}, {3, -6, 3, 0}, {-3, 3, 0, 0}, {1, 0, 0, 0}};
    return spline == Quadratic ? quadratic : spline == Cubic ? catmullRom : bezier;
}

// Appends the segment of p[0..3] from its start up to, not including, its end.
void AddSegment(Spline spline, const Point2* p, int pieces, std::vector<Point2>& ring) {
    const Cubic3& w = WeightsOf(spline);
    const Point2 a = Weighted(w.a, p), b = Weighted(w.b, p), c = Weighted(w.c, p),
                 d = Weighted(w.d, p);
    for (int i = 0; i < pieces; ++i) {
        const double t = static_cast<double>(i) / pieces;
        ring.push_back(
            {((a.x * t + b.x) * t + c.x) * t + d.x, ((a.y * t + b.y) * t + c.y) * t + d.y});
    }
}

class ListReading {
public:
    ListReading(const std::vector<Point2>& list, int pieces, PovrayOutline& outline)
        : _list(list), _pieces(pieces), _outline(outline) {}

    void Read(Spline spline) {
        while (_at < _list.size()) {
            size_t before = _at;
            bool kept = spline == Linear   ? ReadLinear()
                        : spline == Bezier ? ReadBezier()
                                           : ReadInterpolated(spline);
            if (!kept || _at == before) {
                return;
            }
        }
    }

private:
    // q1 ... qk q1; POV-Ray closes a last one that does not return.
    bool ReadLinear() {
        std::vector<Point2> ring{_list[_at++]};
        while (_at < _list.size() && !Same(_list[_at], ring[0])) {
            ring.push_back(_list[_at++]);
        }
        _at += _at < _list.size() ? 1 : 0;
        Keep(std::move(ring), 3);
        return true;
    }

    // c q1 ... qk q1 (and c1 after it for cubic); one that does not return is refused.
    bool ReadInterpolated(Spline spline) {
        const size_t first = _at + 1;
        size_t end = first + 1;
        while (end < _list.size() && !Same(_list[end], _list[first])) {
            ++end;
        }
        const size_t last = spline == Cubic ? end + 1 : end;
        if (last >= _list.size()) {
            return false;
        }
        std::vector<Point2> ring;
        for (size_t i = first; i < end; ++i) {
            Point2 p[4] = {_list[i - 1], _list[i], _list[i + 1],
                           spline == Cubic ? _list[i + 2] : Point2{0, 0}};
            AddSegment(spline, p, _pieces, ring);
        }
        _at = last + 1;
        Keep(std::move(ring), 2);
        return true;
    }

    // Groups of four, chained until one ends on the first point.
    bool ReadBezier() {
        const Point2 first = _list[_at];
        std::vector<Point2> ring;
        while (_at + 4 <= _list.size()) {
            AddSegment(Bezier, &_list[_at], _pieces, ring);
            _at += 4;
            if (Same(_list[_at - 1], first)) {
                Keep(std::move(ring), 2);
                return true;
            }
        }
        return false;
    }

    void Keep(std::vector<Point2> ring, size_t fewest) {
        if (ring.size() >= fewest) {
            _outline.rings.push_back(std::move(ring));
        }
    }

    const std::vector<Point2>& _list;
    int _pieces;
    PovrayOutline& _outline;
    size_t _at = 0;
};

}  // namespace

PovrayOutline PovrayOutline::Of(const std::string& sceneText, int piecesPerCurve) {
    PovrayOutline outline;
    std::istringstream in(sceneText);
    std::string line;
    Spline spline = Linear;
    bool header = false;
    std::vector<Point2> list;
    while (std::getline(in, line) && line.find('{') == std::string::npos) {
    }
    outline.prism = line.find("prism") != std::string::npos;
    static const char* const splines[] = {"linear_spline", "quadratic_spline", "cubic_spline",
                                          "bezier_spline"};
    while (std::getline(in, line) && line.compare(0, 1, "}") != 0) {
        // The writer ends its lines as the editor's first platform did, with a carriage return.
        line.erase(line.find_last_not_of("\r ") + 1);
        Point2 p{0, 0};
        for (int s = Linear; s <= Bezier; ++s) {
            spline = line == splines[s] ? static_cast<Spline>(s) : spline;
        }
        outline.conic = outline.conic || line == "conic_sweep";
        outline.open = outline.open || line == "open";
        if (line[0] == '<' && std::sscanf(line.c_str(), "<%lf,%lf", &p.x, &p.y) == 2) {
            list.push_back(p);
        } else if (!header && outline.prism &&
                   std::sscanf(line.c_str(), "%lf,%lf", &outline.low, &outline.high) == 2) {
            header = true;
        }
    }
    if (outline.low > outline.high) {
        std::swap(outline.low, outline.high);
    }
    ListReading(list, std::max(piecesPerCurve, 1), outline).Read(outline.prism ? spline : Linear);
    return outline;
}
