#include "interchange/PovImport.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <deque>
#include <vector>

#include "interchange/PovTokenizer.h"
#include "model/ModelUnits.h"

namespace {

// The largest point count taken from a file; far beyond what any drawing can hold, it only
// keeps a wrong count from asking for absurd amounts of memory.
constexpr double MaxListedPoints = 1e6;

bool Same(const Point2& a, const Point2& b) {
    return a.x == b.x && a.y == b.y;
}

int SplineWord(const PovToken& token) {
    static const char* const words[] = {"linear_spline", "quadratic_spline", "cubic_spline",
                                        "bezier_spline"};
    for (int spline = LinearSpline; spline <= BezierSpline; ++spline) {
        if (token.Is(PovToken::Word, words[spline])) {
            return spline;
        }
    }
    return -1;
}

// The objects read and the kind each makes.
struct ObjectWord {
    const char* word;
    int kind;
};
const ObjectWord ObjectWords[] = {
    {"prism", Prism},
    {"polygon", Polygon},
    {"lathe", Lathe},
    {"sor", Sor},
};

int KindOfWord(const PovToken& token) {
    for (const ObjectWord& object : ObjectWords) {
        if (token.Is(PovToken::Word, object.word)) {
            return object.kind;
        }
    }
    return Polygon;
}

}  // namespace

bool IsObjectKeyword(const PovToken& token) {
    for (const ObjectWord& object : ObjectWords) {
        if (token.Is(PovToken::Word, object.word)) {
            return true;
        }
    }
    return false;
}

namespace {

class PovObjectReading {
public:
    PovObjectReading(const std::string& text, const char* name, Outline& outline,
                     ImportReport& report)
        : _tokenizer(text), _name(name), _outline(outline), _report(report) {}

    // The rest of the text is tokenized too: a comment or string that never ends makes no
    // scene, wherever it is.
    bool Read() {
        bool read = ReadObject();
        while (Take().kind != PovToken::End) {
        }
        return _tokenizer.Error().empty() ? read : _report.Fail(_tokenizer.Error());
    }

private:
    bool ReadObject() {
        if (!FindObject()) {
            return false;
        }
        _outline.kind = KindOfWord(Take());
        Take();
        std::vector<Point2> listed;
        std::vector<int> lines;
        if (!ReadHeader() || !ReadPoints(listed, lines) || !ReadModifiers()) {
            return false;
        }
        if (IsTurnedKind(_outline.kind) ? !MakeProfile(listed, lines) : !MakeSets(listed, lines)) {
            return false;
        }
        ToModelUnits();
        return true;
    }

    const PovToken& Peek() { return Ahead(0); }
    // The token that many places ahead, or an End token past the last one.
    const PovToken& Ahead(size_t count) {
        while (_ahead.size() <= count) {
            _ahead.push_back(_tokenizer.Next());
        }
        return _ahead[count];
    }
    PovToken Take() {
        PovToken token = Peek();
        if (token.kind != PovToken::End) {
            _ahead.pop_front();
        }
        _lastLine = token.line;
        return token;
    }

    bool FindObject() {
        for (; Peek().kind != PovToken::End; Take()) {
            if (_name == nullptr && IsObjectKeyword(Peek()) && Ahead(1).IsSymbol('{')) {
                return true;
            }
            if (_name != nullptr && IsDeclarationOfName()) {
                Take();
                Take();
                Take();
                if (IsObjectKeyword(Peek()) && Ahead(1).IsSymbol('{')) {
                    return true;
                }
                return _report.Fail(
                    Printed("line %d: %s is declared, but not as a prism, polygon, lathe or sor",
                            Peek().line, _name));
            }
        }
        return _report.Fail(
            _name == nullptr ? std::string("No prism, polygon, lathe or sor object found")
                             : Printed("No prism, polygon, lathe or sor is declared as %s", _name));
    }

    bool IsDeclarationOfName() {
        const PovToken& directive = Peek();
        return (directive.Is(PovToken::Directive, "#declare") ||
                directive.Is(PovToken::Directive, "#local")) &&
               Ahead(1).Is(PovToken::Word, _name) && Ahead(2).IsSymbol('=');
    }

    // Keywords that may stand before the values, in any order.
    void ReadKeywords() {
        for (;; Take()) {
            const PovToken& token = Peek();
            if (SplineWord(token) >= 0) {
                _outline.prism.spline = SplineWord(token);
            } else if (token.Is(PovToken::Word, "linear_sweep") ||
                       token.Is(PovToken::Word, "conic_sweep")) {
                _outline.prism.sweep = token.text == "conic_sweep" ? ConicSweep : LinearSweep;
            } else if (!TakeFlag(token)) {
                return;
            }
        }
    }

    bool TakeFlag(const PovToken& token) {
        if (token.Is(PovToken::Word, "open")) {
            _outline.prism.open = 1;
        } else if (token.Is(PovToken::Word, "sturm")) {
            _outline.prism.sturm = 1;
        } else {
            return false;
        }
        return true;
    }

    bool ReadHeader() {
        ReadKeywords();
        if (_outline.kind == Prism) {
            if (!Literal(_outline.prism.start) || !Comma() || !Literal(_outline.prism.end) ||
                !Comma()) {
                return false;
            }
        }
        double count = 0;
        if (!Literal(count)) {
            return false;
        }
        if (count < 0 || count > MaxListedPoints || count != std::floor(count)) {
            return _report.Fail(Printed("line %d: the point count %g is not a usable whole number",
                                        _lastLine, count));
        }
        _count = static_cast<int>(count);
        return Comma();
    }

    bool Comma() {
        if (Peek().IsSymbol(',')) {
            Take();
        }
        return true;
    }

    bool Unsupported(const PovToken& token) {
        if (token.kind == PovToken::End) {
            return _report.Fail(Printed("line %d: the scene ends inside the object", token.line));
        }
        return _report.Fail(
            Printed("line %d: '%s' is not supported here: values must be number "
                    "literals, not expressions, identifiers or macros",
                    token.line, std::string(token.text).c_str()));
    }

    bool Expect(char symbol) {
        return Peek().IsSymbol(symbol) ? (Take(), true) : Unsupported(Peek());
    }

    // A literal with an optional sign, not followed by anything that would make it part of an
    // expression.
    bool Literal(double& value) {
        double sign = 1;
        if (Peek().IsSymbol('-') || Peek().IsSymbol('+')) {
            sign = Take().text == "-" ? -1 : 1;
        }
        if (Peek().kind != PovToken::Number) {
            return Unsupported(Peek());
        }
        value = sign * Take().value;
        if (!std::isfinite(value)) {
            return _report.Fail(Printed("line %d: the number is out of range", _lastLine));
        }
        return EndsValue();
    }

    bool EndsValue() {
        for (char op : {'+', '-', '*', '/', '(', '.'}) {
            if (Peek().IsSymbol(op)) {
                return Unsupported(Peek());
            }
        }
        return true;
    }

    bool Vector(Point2& point, int listed) {
        const PovToken& token = Peek();
        if (token.IsSymbol('}') || (token.kind == PovToken::Word && TakesNoValue(token))) {
            return _report.Fail(Printed("line %d: the count says %d points, but only %d are listed",
                                        token.line, _count, listed));
        }
        if (!Expect('<') || !Literal(point.x) || !Expect(',') || !Literal(point.y)) {
            return false;
        }
        if (Peek().IsSymbol(',')) {
            int line = Take().line;
            double z = 0;
            if (!Literal(z)) {
                return false;
            }
            if (_outline.kind != Polygon || z != 0) {
                return _report.Fail(Printed(
                    "line %d: only points in the plane z = 0, written <x, y>, can be imported",
                    line));
            }
        }
        return Expect('>') && EndsValue() && Comma();
    }

    static bool TakesNoValue(const PovToken& token) {
        return token.text == "open" || token.text == "sturm";
    }

    bool ReadPoints(std::vector<Point2>& listed, std::vector<int>& lines) {
        for (int k = 0; k < _count; ++k) {
            Point2 point{0, 0};
            lines.push_back(Peek().line);
            if (!Vector(point, k)) {
                return false;
            }
            listed.push_back(point);
        }
        return true;
    }

    // What follows the points up to the object's closing brace: "open" and "sturm" are kept,
    // other modifiers are passed over with a note.
    bool ReadModifiers() {
        int depth = 0;
        PovToken other;
        for (;;) {
            const PovToken token = Take();
            if (token.kind == PovToken::End) {
                return Unsupported(token);
            }
            if (token.IsSymbol('}') && depth-- == 0) {
                break;
            }
            depth += token.IsSymbol('{') ? 1 : 0;
            if (depth == 0 && !TakeFlag(token) && other.kind == PovToken::End &&
                token.kind == PovToken::Word) {
                other = token;
            }
        }
        if (other.kind != PovToken::End) {
            _report.Note(Printed("line %d: the object's modifiers (%s ...) are not imported",
                                 other.line, std::string(other.text).c_str()));
        }
        return true;
    }

    bool MakeSets(const std::vector<Point2>& listed, const std::vector<int>& lines) {
        int spline = _outline.kind == Prism ? _outline.prism.spline : LinearSpline;
        _outline.prism.spline = spline;
        size_t i = 0;
        int unclosed = 0;
        int trailing = 0;
        while (i < listed.size()) {
            Outline::Set set;
            if (spline == QuadraticSpline || spline == CubicSpline) {
                set.hasControl = true;
                set.control = listed[i++];
                if (i == listed.size()) {
                    _report.Note(
                        Printed("line %d: a control point with no points after it is "
                                "left out",
                                lines[i - 1]));
                    break;
                }
            }
            bool closed = spline == BezierSpline ? BezierSet(listed, lines, i, set)
                                                 : PointSet(listed, i, set);
            if (!_report.error.empty()) {
                return false;
            }
            unclosed += closed ? 0 : 1;
            if (spline == CubicSpline && closed && i < listed.size()) {
                const Point2& p = set.points.front();
                Point2 written{p.x - set.control.x, p.y - set.control.y};
                trailing += Same(listed[i++], written) ? 0 : 1;
            }
            _outline.sets.push_back(set);
        }
        NoteChangedSets(unclosed, trailing);
        return true;
    }

    // A lathe or a surface of revolution is one profile: the set of its points, with a lathe's
    // slope points and handles as the editor keeps them. A lathe profile that ends on its first
    // point is closed; any other is open, as is every surface of revolution's.
    bool MakeProfile(const std::vector<Point2>& listed, const std::vector<int>& lines) {
        const int spline = _outline.kind == Lathe ? _outline.prism.spline : LinearSpline;
        _outline.prism.spline = spline;
        Outline::Set set;
        size_t first = 0;
        size_t end = listed.size();
        if ((spline == QuadraticSpline || spline == CubicSpline) && !listed.empty()) {
            set.hasControl = true;
            set.control = listed[first++];
            end -= spline == CubicSpline && end > 2 ? 1 : 0;
        }
        if (spline == BezierSpline) {
            if (!BezierProfile(listed, lines, set)) {
                return false;
            }
        } else {
            set.points.assign(listed.begin() + static_cast<long>(first),
                              listed.begin() + static_cast<long>(end));
        }
        const bool closed = _outline.kind == Lathe && set.points.size() >= 2 &&
                            Same(set.points.back(), set.points.front());
        if (closed) {
            set.points.pop_back();
        }
        set.segments.resize(set.points.size());
        if (_outline.kind == Lathe) {
            _outline.prism.open = closed ? 0 : 1;
        }
        if (spline == CubicSpline && listed.size() > 2) {
            _report.Note(
                "cubic_spline: the end slope point is not kept, since the editor writes it a "
                "quarter of the way back from the profile's last point to the one before it");
        }
        if (!set.points.empty()) {
            _outline.sets.push_back(set);
        }
        return true;
    }

    // Every group of four is a segment, each starting where the one before it ends.
    bool BezierProfile(const std::vector<Point2>& listed, const std::vector<int>& lines,
                       Outline::Set& set) {
        if (listed.size() % 4 != 0) {
            return _report.Fail(Printed("line %d: a bezier_spline takes four points per segment",
                                        lines[listed.size() / 4 * 4]));
        }
        for (size_t i = 0; i < listed.size(); i += 4) {
            if (i > 0 && !Same(listed[i], listed[i - 1])) {
                return _report.Fail(
                    Printed("line %d: a bezier segment begins away from the end of the one "
                            "before it",
                            lines[i]));
            }
            set.points.push_back(listed[i]);
            set.segments.push_back({true, listed[i + 1], listed[i + 2]});
        }
        if (!listed.empty()) {
            set.points.push_back(listed.back());
        }
        return true;
    }

    void NoteChangedSets(int unclosed, int trailing) {
        if (unclosed > 0) {
            _report.Note(
                Printed("Sets that did not return to their first point, closed with a "
                        "straight line: %d",
                        unclosed));
        }
        if (trailing > 0) {
            _report.Note(
                Printed("cubic_spline: closing control points not kept, since the editor "
                        "writes each set's first point minus its control point: %d",
                        trailing));
        }
    }

    // Points up to the one that repeats the set's first point; true when that repeat was found.
    static bool PointSet(const std::vector<Point2>& listed, size_t& i, Outline::Set& set) {
        Point2 first = listed[i++];
        set.points.push_back(first);
        while (i < listed.size() && !Same(listed[i], first)) {
            set.points.push_back(listed[i++]);
        }
        if (i == listed.size()) {
            return false;
        }
        ++i;
        return true;
    }

    // Segments of four points up to the one that ends on the set's first point.
    bool BezierSet(const std::vector<Point2>& listed, const std::vector<int>& lines, size_t& i,
                   Outline::Set& set) {
        Point2 first = listed[i];
        set.points.push_back(first);
        while (i + 4 <= listed.size()) {
            if (!Same(listed[i], set.points.back())) {
                _report.Fail(
                    Printed("line %d: a bezier segment begins away from the end of the "
                            "one before it",
                            lines[i]));
                return false;
            }
            set.segments.push_back({true, listed[i + 1], listed[i + 2]});
            const Point2& end = listed[i + 3];
            i += 4;
            if (Same(end, first)) {
                return true;
            }
            set.points.push_back(end);
        }
        if (i < listed.size()) {
            _report.Fail(
                Printed("line %d: a bezier_spline takes four points per segment", lines[i]));
            return false;
        }
        set.segments.push_back(Outline::Segment{});
        return false;
    }

    void ToModelUnits() {
        auto convert = [](Point2& p) {
            p = {p.x * ModelUnitsPerFileUnit, p.y * -ModelUnitsPerFileUnit};
        };
        for (Outline::Set& set : _outline.sets) {
            for (Point2& p : set.points) {
                convert(p);
            }
            for (Outline::Segment& s : set.segments) {
                convert(s.handle1);
                convert(s.handle2);
            }
            convert(set.control);
        }
    }

    PovTokenizer _tokenizer;
    std::deque<PovToken> _ahead;
    int _lastLine = 0;
    const char* _name;
    Outline& _outline;
    ImportReport& _report;
    int _count = 0;
};

}  // namespace

bool ImportPovScene(const std::string& text, const char* name, Outline& outline,
                    ImportReport& report) {
    return PovObjectReading(text, name, outline, report).Read();
}
