#include "interchange/SdlObjectReader.h"

#include <cmath>

#include "interchange/ObjectPlacement.h"
#include "interchange/PovObjectWords.h"
#include "interchange/PovOutlineBuilder.h"
#include "interchange/SdlInterpreter.h"

bool SdlObjectReader::IsTransform(const PovToken& token) {
    for (const char* word : {"scale", "translate", "rotate", "matrix", "transform"}) {
        if (token.Is(PovToken::Word, word)) {
            return true;
        }
    }
    return false;
}

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
    int count = 0;
    if (!Header(object, count) || !Points(object, count) || !Modifiers(object)) {
        return false;
    }
    _in.scene.objects.push_back(std::move(object));
    return true;
}

void SdlObjectReader::Finish() {
    for (EvaluatedScene::Object& object : _in.scene.objects) {
        if (!object.error.empty()) {
            continue;
        }
        ImportReport report;
        std::vector<Point2> points;
        if (!PlaceObjectPoints(object, object.outline.prism, points, report) ||
            !PovOutlineBuilder(object.outline, report).Build(points, object.lines)) {
            object.error = report.error;
        }
        object.notes.insert(object.notes.end(), report.notes.begin(), report.notes.end());
        object.lines = {};
    }
}

bool SdlObjectReader::Modifier(const PovToken& word, EvaluatedScene::Modifier& modifier) {
    modifier.word = std::string(word.text);
    modifier.line = word.line;
    if (word.text == "transform") {
        return true;
    }
    if (word.text == "matrix") {
        return Matrix(modifier);
    }
    SdlValue value;
    if (!_in.Settle() || !_in.expressions.Evaluate(value)) {
        return false;
    }
    // A value the importer does not model leaves the modifier unevaluated: it is dropped with
    // a note, and the scene goes on.
    if (!value.IsNumeric()) {
        return true;
    }
    const SdlValue v = value.Promoted(3);
    SceneTransform::Vec3 three{v.v[0], v.v[1], v.v[2]};
    if (word.text == "scale") {
        // The ray tracer scales by 1 where a scale gives 0, with a warning.
        for (double& factor : three) {
            factor = factor == 0 ? 1 : factor;
        }
        modifier.transform = SceneTransform::Scale(three);
    } else {
        modifier.transform = word.text == "rotate" ? SceneTransform::Rotate(three)
                                                   : SceneTransform::Translate(three);
    }
    modifier.evaluated = true;
    return true;
}

// matrix <twelve floats>.
bool SdlObjectReader::Matrix(EvaluatedScene::Modifier& modifier) {
    if (!_in.Settle() || !_in.source.Peek().IsSymbol('<')) {
        return _in.Fail(modifier.line, "matrix takes twelve values in < >");
    }
    _in.source.Take();
    std::array<double, 12> values{};
    for (double& value : values) {
        if (!Float(value)) {
            return false;
        }
    }
    if (!_in.Settle() || !_in.source.Peek().IsSymbol('>')) {
        return _in.Fail(modifier.line, "matrix takes twelve values in < >");
    }
    _in.source.Take();
    modifier.transform = SceneTransform::Matrix(values);
    modifier.evaluated = true;
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
        SceneTransform::Vec3 point{0, 0, 0};
        if (!_in.expressions.Evaluate(value) || !_in.expressions.NeedNumeric(value, line)) {
            return false;
        }
        if (!Point(value, object.outline.kind, line, point, object.error)) {
            return true;
        }
        object.listed.push_back(point);
        object.lines.push_back(line);
        Comma();
    }
    return true;
}

// A point of the plane: <x, y>, or for a polygon <x, y, z>; a float stands for every component.
bool SdlObjectReader::Point(const SdlValue& value, int kind, int line, SceneTransform::Vec3& point,
                            std::string& refusal) {
    const int size = value.kind == SdlValue::Vector ? value.size : 2;
    const SdlValue v = value.Promoted(3);
    if (size > 3 || (size == 3 && kind != Polygon)) {
        refusal = PlaneMessage(line);
        return false;
    }
    point = {v.v[0], v.v[1], size == 3 ? v.v[2] : 0};
    return true;
}

// What follows the points up to the object's closing brace: "open" and "sturm" are kept,
// transforms kept to be applied, other modifiers passed over with a note.
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
        if (depth == 0 && IsTransform(token)) {
            object.modifiers.emplace_back();
            if (!Modifier(token, object.modifiers.back())) {
                return false;
            }
        } else if (depth == 0 && !Flag(token, object.outline) && other.kind == PovToken::End &&
                   token.kind == PovToken::Word) {
            other = token;
        }
    }
    if (other.kind != PovToken::End && object.error.empty()) {
        object.notes.push_back(ModifiersMessage(other.line, std::string(other.text)));
    }
    return true;
}
