#include "interchange/PovImport.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <deque>
#include <vector>

#include "interchange/PovObjectWords.h"
#include "interchange/PovOutlineBuilder.h"
#include "interchange/PovTokenizer.h"

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
        return PovOutlineBuilder(_outline, _report).Build(listed, lines);
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
            return _report.Fail(CountNotWholeMessage(_lastLine, count));
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
            return _report.Fail(EndsInsideMessage(token.line));
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
            return _report.Fail(CountShortMessage(token.line, _count, listed));
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
                return _report.Fail(PlaneMessage(line));
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
            _report.Note(ModifiersMessage(other.line, std::string(other.text)));
        }
        return true;
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
