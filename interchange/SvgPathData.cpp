#include "interchange/SvgPathData.h"

#include <cctype>
#include <cmath>
#include <cstring>

#include "interchange/ImportReport.h"
#include "interchange/PointArithmetic.h"
#include "interchange/SvgScanner.h"

namespace {

constexpr double Pi = 3.14159265358979323846;

// The numbers each command takes once; 0 for closepath and for letters that are no command.
int ArityOf(char command) {
    static const char* const commands = "MLHVCSQTA";
    static const int arity[] = {2, 2, 1, 1, 6, 4, 4, 2, 7};
    const char* found = std::strchr(commands, command);
    return found != nullptr && command != '\0' ? arity[found - commands] : 0;
}

// The elliptical arc of an SVG arc command, as a centre, radii and a range of angles.
struct Arc {
    Point2 centre;
    double rx;
    double ry;
    double cosine;
    double sine;
    double from;
    double sweep;

    Point2 At(double t) const {
        double x = rx * std::cos(t);
        double y = ry * std::sin(t);
        return {centre.x + cosine * x - sine * y, centre.y + sine * x + cosine * y};
    }
    Point2 Tangent(double t) const {
        double x = -rx * std::sin(t);
        double y = ry * std::cos(t);
        return {cosine * x - sine * y, sine * x + cosine * y};
    }
};

double AngleBetween(Point2 u, Point2 v) {
    return std::atan2(u.x * v.y - u.y * v.x, u.x * v.x + u.y * v.y);
}

// From the endpoint form of an SVG arc to its centre form, radii enlarged when they are too
// small to reach the end point. Worked on the unit circle that the radii scale to, so that no
// radius is ever squared: radii far larger than the chord still give a centre and angles.
Arc CentreForm(Point2 from, Point2 to, double rx, double ry, double degrees, bool large,
               bool sweep) {
    Arc arc{};
    arc.cosine = std::cos(degrees * Pi / 180);
    arc.sine = std::sin(degrees * Pi / 180);
    Point2 half = 0.5 * (from - to);
    Point2 p{(arc.cosine * half.x + arc.sine * half.y) / rx,
             (-arc.sine * half.x + arc.cosine * half.y) / ry};
    double reach = std::hypot(p.x, p.y);
    if (reach > 1) {
        rx *= reach;
        ry *= reach;
        p = (1 / reach) * p;
        reach = 1;
    }
    // The centre lies off the chord's middle, across it, by what the unit circle leaves.
    double across = std::sqrt(std::max(0.0, 1 - reach * reach)) * (large == sweep ? -1 : 1);
    Point2 c = reach > 0 ? Point2{across * p.y / reach, -across * p.x / reach} : Point2{0, 0};
    Point2 middle = 0.5 * (from + to);
    arc.centre = {arc.cosine * c.x * rx - arc.sine * c.y * ry + middle.x,
                  arc.sine * c.x * rx + arc.cosine * c.y * ry + middle.y};
    arc.rx = rx;
    arc.ry = ry;
    Point2 u{p.x - c.x, p.y - c.y};
    Point2 v{-p.x - c.x, -p.y - c.y};
    arc.from = AngleBetween({1, 0}, u);
    arc.sweep = AngleBetween(u, v);
    if (!sweep && arc.sweep > 0) {
        arc.sweep -= 2 * Pi;
    } else if (sweep && arc.sweep < 0) {
        arc.sweep += 2 * Pi;
    }
    return arc;
}

class PathDataReader {
public:
    PathDataReader(const char* text, const SvgSubpathTaker& take) : _in(text), _take(take) {}

    bool Read(std::string& error) {
        for (_in.SkipSpace(); !_in.AtEnd(); _in.SkipSpace()) {
            char command = _in.Peek();
            size_t at = _in.Offset();
            _in.Skip();
            const char* problem = Command(command);
            if (problem != nullptr) {
                error = Printed("%s at character %zu", problem, at + 1);
                HandOver();
                return false;
            }
        }
        HandOver();
        return true;
    }

private:
    const char* Command(char command) {
        char upper = static_cast<char>(std::toupper(static_cast<unsigned char>(command)));
        bool relative = command != upper;
        if (!_started && upper != 'M') {
            return "path data must begin with a moveto";
        }
        _started = true;
        if (upper == 'Z') {
            Close();
            return nullptr;
        }
        if (ArityOf(upper) == 0) {
            return "unknown path command";
        }
        do {
            double v[7] = {};
            _in.SkipSpace();
            if (!Parameters(upper, v)) {
                return "missing or bad numbers";
            }
            if (const char* problem = Apply(upper, relative, v)) {
                return problem;
            }
            upper = upper == 'M' ? 'L' : upper;
            _in.SkipCommaSpace();
        } while (_in.AtNumber());
        return nullptr;
    }

    bool Parameters(char command, double* v) {
        int count = ArityOf(command);
        for (int i = 0; i < count; ++i) {
            if (i > 0) {
                _in.SkipCommaSpace();
            }
            bool flag = false;
            bool isFlag = command == 'A' && (i == 3 || i == 4);
            if (isFlag ? !_in.Flag(flag) : !_in.Number(v[i])) {
                return false;
            }
            if (isFlag) {
                v[i] = flag ? 1 : 0;
            }
        }
        return true;
    }

    Point2 At(bool relative, double x, double y) const {
        return relative ? Point2{_current.x + x, _current.y + y} : Point2{x, y};
    }

    const char* Apply(char command, bool relative, const double* v) {
        char last = _lastCurve;
        _lastCurve = 0;
        switch (command) {
            case 'M':
                MoveTo(At(relative, v[0], v[1]));
                break;
            case 'L':
                LineTo(At(relative, v[0], v[1]));
                break;
            case 'H':
                LineTo({relative ? _current.x + v[0] : v[0], _current.y});
                break;
            case 'V':
                LineTo({_current.x, relative ? _current.y + v[0] : v[0]});
                break;
            case 'C':
            case 'S':
            case 'Q':
            case 'T':
                CurveCommand(command, relative, v, last);
                break;
            default:
                return ArcTo(v, At(relative, v[5], v[6]));
        }
        return nullptr;
    }

    // A smooth curve (S, T) reflects the last control point of a curve of its own kind, or
    // starts from the current point; the others give their first control point.
    void CurveCommand(char command, bool relative, const double* v, char last) {
        bool cubic = command == 'C' || command == 'S';
        bool smooth = command == 'S' || command == 'T';
        Point2 first = !smooth                       ? At(relative, v[0], v[1])
                       : last == (cubic ? 'C' : 'Q') ? 2 * _current - _control
                                                     : _current;
        const double* rest = smooth ? v : v + 2;
        if (cubic) {
            CurveTo(first, At(relative, rest[0], rest[1]), At(relative, rest[2], rest[3]));
        } else {
            QuadraticTo(first, At(relative, rest[0], rest[1]));
        }
    }

    SvgSubpath& Current() {
        if (!_open) {
            MoveTo(_current);
        }
        return _path;
    }

    // A subpath is complete when the next one begins, or the data ends.
    void HandOver() {
        if (_begun) {
            _take(_path);
            _begun = false;
        }
    }

    void MoveTo(Point2 p) {
        HandOver();
        _path = SvgSubpath{{p}, {}, false};
        _begun = true;
        _open = true;
        _start = _current = p;
    }

    void Close() {
        if (_open) {
            _path.closed = true;
            _open = false;
        }
        _current = _start;
    }

    void LineTo(Point2 end) {
        SvgSubpath& path = Current();
        if (!path.segments.empty()) {
            path.segments.push_back(Outline::Segment{});
        }
        path.points.push_back(end);
        _current = end;
    }

    void CurveTo(Point2 handle1, Point2 handle2, Point2 end) {
        SvgSubpath& path = Current();
        path.segments.resize(path.points.size() - 1);
        path.segments.push_back(Outline::Segment{true, handle1, handle2});
        path.points.push_back(end);
        _current = end;
        _control = handle2;
        _lastCurve = 'C';
    }

    void QuadraticTo(Point2 control, Point2 end) {
        Point2 from = _current;
        CurveTo(from + (2.0 / 3) * (control - from), end + (2.0 / 3) * (control - end), end);
        _control = control;
        _lastCurve = 'Q';
    }

    // Radii so large that their squares overflow leave the arc without a centre or angles.
    const char* ArcTo(const double* v, Point2 end) {
        if (end == _current) {
            return nullptr;
        }
        double rx = std::fabs(v[0]);
        double ry = std::fabs(v[1]);
        if (rx == 0 || ry == 0) {
            LineTo(end);
            return nullptr;
        }
        Arc arc = CentreForm(_current, end, rx, ry, v[2], v[3] != 0, v[4] != 0);
        if (!std::isfinite(arc.rx) || !std::isfinite(arc.ry) || !std::isfinite(arc.sweep)) {
            return "arc too large to draw";
        }
        int pieces =
            std::max(1, static_cast<int>(std::ceil(std::fabs(arc.sweep) / (Pi / 2) - 1e-9)));
        double step = arc.sweep / pieces;
        double k = 4.0 / 3 * std::tan(step / 4);
        // The ends of the pieces lean on the centre only between two pieces: with radii far
        // beyond the chord the arc's own ends are the ones the centre cannot place exactly.
        Point2 start = _current;
        for (int i = 0; i < pieces; ++i) {
            double t0 = arc.from + i * step;
            double t1 = t0 + step;
            Point2 to = i + 1 == pieces ? end : arc.At(t1);
            CurveTo(start + k * arc.Tangent(t0), to - k * arc.Tangent(t1), to);
            start = to;
        }
        _lastCurve = 0;
        return nullptr;
    }

    SvgScanner _in;
    const SvgSubpathTaker& _take;
    SvgSubpath _path;
    bool _begun = false;
    bool _started = false;
    bool _open = false;
    Point2 _start{0, 0};
    Point2 _current{0, 0};
    // The last curve's control point that S or T reflects, and which kind of curve it was.
    Point2 _control{0, 0};
    char _lastCurve = 0;
};

}  // namespace

bool ParseSvgPathData(const char* text, const SvgSubpathTaker& take, std::string& error) {
    return PathDataReader(text, take).Read(error);
}

bool ParseSvgPathData(const char* text, std::vector<SvgSubpath>& subpaths, std::string& error) {
    return ParseSvgPathData(
        text, [&](SvgSubpath& path) { subpaths.push_back(std::move(path)); }, error);
}
