#include "interchange/SdlObjectReader.h"

#include <cmath>

#include "interchange/PovObjectWords.h"
#include "interchange/PovOutlineBuilder.h"
#include "interchange/SdlInterpreter.h"

bool SdlObjectReader::Read(const std::string& name) {
    SdlSource& source = _in.source;
    const PovToken keyword = source.Take();
    source.Take();
    EvaluatedScene::Object object;
    object.kind = std::string(keyword.text);
    object.line = keyword.line;
    object.file = source.FileName(source.FileIndex());
    object.name = name;
    object.path = _in.walker.Path();
    object.outline.kind = KindOfWord(keyword);
    _listed.clear();
    _lines.clear();
    int count = 0;
    if (!Header(object, count) || !Points(object, count) || !Modifiers(object)) {
        return false;
    }
    ImportReport report;
    if (object.error.empty() && !PovOutlineBuilder(object.outline, report).Build(_listed, _lines)) {
        object.error = report.error;
    }
    object.notes.insert(object.notes.end(), report.notes.begin(), report.notes.end());
    _in.scene.objects.push_back(std::move(object));
    return true;
}

// Keywords that may stand before the values, in any order.
void SdlObjectReader::Keywords(Outline& outline) {
    for (; _in.Settle(); _in.source.Take()) {
        const PovToken& token = _in.source.Peek();
        if (SplineWord(token) >= 0) {
            outline.prism.spline = SplineWord(token);
        } else if (token.Is(PovToken::Word, "linear_sweep") ||
                   token.Is(PovToken::Word, "conic_sweep")) {
            outline.prism.sweep = token.text == "conic_sweep" ? ConicSweep : LinearSweep;
        } else if (!Flag(token, outline)) {
            return;
        }
    }
}

bool SdlObjectReader::Flag(const PovToken& token, Outline& outline) {
    if (token.Is(PovToken::Word, "open")) {
        outline.prism.open = 1;
    } else if (token.Is(PovToken::Word, "sturm")) {
        outline.prism.sturm = 1;
    } else {
        return false;
    }
    return true;
}

bool SdlObjectReader::Float(double& value) {
    if (!_in.expressions.Float(value)) {
        return false;
    }
    Comma();
    return true;
}

void SdlObjectReader::Comma() {
    if (_in.source.Peek().IsSymbol(',')) {
        _in.source.Take();
    }
}

bool SdlObjectReader::Header(EvaluatedScene::Object& object, int& count) {
    PrismValues& prism = object.outline.prism;
    Keywords(object.outline);
    if (object.outline.kind == Prism && (!Float(prism.start) || !Float(prism.end))) {
        return false;
    }
    double listed = 0;
    if (!Float(listed)) {
        return false;
    }
    if (listed < 0 || listed > MaxListedPoints || listed != std::floor(listed)) {
        object.error = CountNotWholeMessage(_in.source.Line(), listed);
        listed = 0;
    }
    count = static_cast<int>(listed);
    return true;
}

bool SdlObjectReader::Points(EvaluatedScene::Object& object, int count) {
    for (int k = 0; k < count; ++k) {
        if (!_in.Settle()) {
            return false;
        }
        const PovToken& token = _in.source.Peek();
        if (token.IsSymbol('}') || token.Is(PovToken::Word, "open") ||
            token.Is(PovToken::Word, "sturm")) {
            object.error = CountShortMessage(token.line, count, k);
            return true;
        }
        const int line = token.line;
        SdlValue value;
        Point2 point{0, 0};
        if (!_in.expressions.Evaluate(value) || !_in.expressions.NeedNumeric(value, line)) {
            return false;
        }
        if (!Point(value, object.outline.kind, line, point, object.error)) {
            return true;
        }
        _listed.push_back(point);
        _lines.push_back(line);
        Comma();
    }
    return true;
}

// A point of the plane: <x, y>, or for a polygon <x, y, 0>; a float stands for every component.
bool SdlObjectReader::Point(const SdlValue& value, int kind, int line, Point2& point,
                            std::string& refusal) {
    const int size = value.kind == SdlValue::Vector ? value.size : 2;
    const SdlValue v = value.Promoted(2);
    if (size > 3 || (size == 3 && (kind != Polygon || v.v[2] != 0))) {
        refusal = PlaneMessage(line);
        return false;
    }
    point = {v.v[0], v.v[1]};
    return true;
}

// What follows the points up to the object's closing brace: "open" and "sturm" are kept,
// other modifiers passed over with a note.
bool SdlObjectReader::Modifiers(EvaluatedScene::Object& object) {
    int depth = 0;
    PovToken other;
    for (;;) {
        if (!_in.Settle()) {
            return false;
        }
        const PovToken token = _in.source.Take();
        if (token.kind == PovToken::End) {
            return _in.Fail(token.line, "the scene ends inside the object");
        }
        if (token.IsSymbol('}') && depth-- == 0) {
            break;
        }
        depth += token.IsSymbol('{') ? 1 : 0;
        if (depth == 0 && !Flag(token, object.outline) && other.kind == PovToken::End &&
            token.kind == PovToken::Word) {
            other = token;
        }
    }
    if (other.kind != PovToken::End && object.error.empty()) {
        object.notes.push_back(ModifiersMessage(other.line, std::string(other.text)));
    }
    return true;
}
