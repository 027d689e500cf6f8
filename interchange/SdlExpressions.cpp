#include "interchange/SdlExpressions.h"

#include <cmath>

#include "interchange/ImportReport.h"
#include "interchange/SdlArray.h"
#include "interchange/SdlFunctions.h"
#include "interchange/SdlInterpreter.h"
#include "interchange/SdlLimits.h"

namespace {

// Below this a float is false and two floats are equal, as in the ray tracer.
constexpr double Epsilon = 1e-10;

std::string Unescaped(std::string_view quoted) {
    std::string text;
    for (size_t i = 1; i + 1 < quoted.size(); ++i) {
        if (quoted[i] == '\\' && i + 2 < quoted.size()) {
            const char c = quoted[++i];
            text += c == 'n' ? '\n' : c == 't' ? '\t' : c == 'r' ? '\r' : c;
        } else {
            text += quoted[i];
        }
    }
    return text;
}

int ComponentIndex(std::string_view name) {
    static const char* const names[] = {"x", "y", "z", "t", "u", "v"};
    static const int indices[] = {0, 1, 2, 3, 0, 1};
    for (size_t i = 0; i < 6; ++i) {
        if (name == names[i]) {
            return indices[i];
        }
    }
    return -1;
}

double Compare(char op, double a, double b) {
    switch (op) {
        case '<':
            return a < b - Epsilon;
        case 'l':
            return a <= b + Epsilon;
        case '>':
            return a > b + Epsilon;
        case 'g':
            return a >= b - Epsilon;
        case '=':
            return std::fabs(a - b) <= Epsilon;
        default:
            return std::fabs(a - b) > Epsilon;
    }
}

}  // namespace

const PovToken& SdlExpressions::Ahead() {
    if (_in.source.Peek(), _in.source.Depth() > _base) {
        _in.SettleClosers();
    }
    return _in.source.Peek();
}

bool SdlExpressions::Expect(char symbol) {
    if (Ahead().IsSymbol(symbol)) {
        _in.source.Take();
        return true;
    }
    const PovToken& token = _in.source.Peek();
    return _in.Fail(token.line,
                    Printed("'%c' expected, not '%s'", symbol, std::string(token.text).c_str()));
}

bool SdlExpressions::Evaluate(SdlValue& value) {
    const size_t base = _base;
    _base = _in.source.Depth();
    const bool evaluated = Additive(value);
    _base = base;
    return evaluated;
}

bool SdlExpressions::NeedNumeric(const SdlValue& value, int line) {
    if (value.IsNumeric()) {
        return true;
    }
    return _in.Fail(line, value.kind == SdlValue::Opaque
                              ? value.text
                              : std::string("a number is needed here, not ") + value.Describe());
}

bool SdlExpressions::NeedFloat(const SdlValue& value, int line, double& number) {
    if (!NeedNumeric(value, line)) {
        return false;
    }
    if (value.kind != SdlValue::Float) {
        return _in.Fail(line, "a float is needed here, not a vector");
    }
    number = value.v[0];
    return true;
}

bool SdlExpressions::Float(double& number) {
    SdlValue value;
    const int line = _in.source.Peek().line;
    return Evaluate(value) && NeedFloat(value, line, number);
}

bool SdlExpressions::Condition(bool& truth) {
    double number = 0;
    if (!Float(number)) {
        return false;
    }
    truth = std::fabs(number) > Epsilon;
    return true;
}

bool SdlExpressions::Starts(const PovToken& token) const {
    if (token.kind == PovToken::Number || token.kind == PovToken::String) {
        return true;
    }
    if (token.kind == PovToken::Symbol) {
        return token.IsSymbol('(') || token.IsSymbol('<') || token.IsSymbol('-') ||
               token.IsSymbol('+') || token.IsSymbol('!');
    }
    SdlValue constant;
    return token.kind == PovToken::Word &&
           (_in.scopes.Find(token.text) != nullptr || SdlFunctions::IsFunction(token.text) ||
            SdlFunctions::Constant(token.text, constant) || token.text == "array" ||
            token.text == "defined" || token.text == "dimension_size" || token.text == "version");
}

bool SdlExpressions::Full(SdlValue& value) {
    if (!Logical(value)) {
        return false;
    }
    if (!Ahead().IsSymbol('?')) {
        return true;
    }
    const int line = _in.source.Take().line;
    double chooser = 0;
    SdlValue yes;
    SdlValue no;
    if (!NeedFloat(value, line, chooser) || !Full(yes) || !Expect(':') || !Full(no)) {
        return false;
    }
    value = std::fabs(chooser) > Epsilon ? yes : no;
    return true;
}

bool SdlExpressions::Logical(SdlValue& value) {
    if (!Relational(value)) {
        return false;
    }
    while (Ahead().IsSymbol('&') || Ahead().IsSymbol('|')) {
        const PovToken op = _in.source.Take();
        SdlValue right;
        double a = 0;
        double b = 0;
        if (!NeedFloat(value, op.line, a) || !Relational(right) || !NeedFloat(right, op.line, b)) {
            return false;
        }
        const bool ta = std::fabs(a) > Epsilon;
        const bool tb = std::fabs(b) > Epsilon;
        value = SdlValue::Number(op.text == "&" ? ta && tb : ta || tb);
        _in.source.Count(1);
    }
    return true;
}

bool SdlExpressions::Relational(SdlValue& value) {
    if (!Additive(value)) {
        return false;
    }
    for (;;) {
        SdlSource& source = _in.source;
        char op = 0;
        Ahead();
        if (source.Peek().IsSymbol('<') || source.Peek().IsSymbol('>')) {
            op = source.Take().text[0];
            if (source.Peek().IsSymbol('=')) {
                source.Take();
                op = op == '<' ? 'l' : 'g';
            }
        } else if (source.Peek().IsSymbol('=')) {
            op = source.Take().text[0];
        } else if (source.Peek().IsSymbol('!') && source.Second().IsSymbol('=')) {
            source.Take();
            source.Take();
            op = 'n';
        } else {
            return true;
        }
        SdlValue right;
        double a = 0;
        double b = 0;
        const int line = source.Line();
        if (!NeedFloat(value, line, a) || !Additive(right) || !NeedFloat(right, line, b)) {
            return false;
        }
        value = SdlValue::Number(Compare(op, a, b));
        source.Count(1);
    }
}

bool SdlExpressions::Additive(SdlValue& value) {
    if (!Multiplicative(value)) {
        return false;
    }
    while (Ahead().IsSymbol('+') || Ahead().IsSymbol('-')) {
        const PovToken op = _in.source.Take();
        SdlValue right;
        if (!Multiplicative(right) || !Binary(op.text[0], value, right, op.line)) {
            return false;
        }
        value = right;
    }
    return true;
}

bool SdlExpressions::Multiplicative(SdlValue& value) {
    if (!Unary(value)) {
        return false;
    }
    while (Ahead().IsSymbol('*') || Ahead().IsSymbol('/')) {
        const PovToken op = _in.source.Take();
        SdlValue right;
        if (!Unary(right) || !Binary(op.text[0], value, right, op.line)) {
            return false;
        }
        value = right;
    }
    return true;
}

// a op b, left in b.
bool SdlExpressions::Binary(char op, const SdlValue& a, SdlValue& b, int line) {
    _in.source.Count(1);
    if (a.kind == SdlValue::Opaque || b.kind == SdlValue::Opaque) {
        b = a.kind == SdlValue::Opaque ? a : b;
        return true;
    }
    if (!a.IsNumeric() || !b.IsNumeric()) {
        return _in.Fail(line, Printed("'%c' takes floats and vectors, not %s", op,
                                      (a.IsNumeric() ? b : a).Describe()));
    }
    const int size =
        std::max(a.kind == SdlValue::Vector ? a.size : 1, b.kind == SdlValue::Vector ? b.size : 1);
    const bool vector = a.kind == SdlValue::Vector || b.kind == SdlValue::Vector;
    const SdlValue left = vector ? a.Promoted(size) : a;
    SdlValue result = vector ? b.Promoted(size) : b;
    for (size_t i = 0; i < static_cast<size_t>(size); ++i) {
        const double l = left.v[i];
        double& r = result.v[i];
        r = op == '+' ? l + r : op == '-' ? l - r : op == '*' ? l * r : l / r;
    }
    b = result;
    return Finite(b, line);
}

bool SdlExpressions::Finite(SdlValue& value, int line) {
    for (int i = 0; i < (value.kind == SdlValue::Vector ? value.size : 1); ++i) {
        if (value.IsNumeric() && !std::isfinite(value.v[static_cast<size_t>(i)])) {
            return _in.Fail(line, "the value is not a finite number");
        }
    }
    return true;
}

bool SdlExpressions::Unary(SdlValue& value) {
    if (_nesting >= MaxNesting) {
        return _in.FailAtBound(_in.source.Line(), "the expression nests more than " +
                                                      std::to_string(MaxNesting) + " deep");
    }
    ++_nesting;
    const bool evaluated = NestedUnary(value);
    --_nesting;
    return evaluated;
}

bool SdlExpressions::NestedUnary(SdlValue& value) {
    if (!_in.Settle()) {
        return false;
    }
    const PovToken& token = _in.source.Peek();
    if (token.IsSymbol('-') || token.IsSymbol('+') || token.IsSymbol('!')) {
        const PovToken op = _in.source.Take();
        if (!Unary(value)) {
            return false;
        }
        if (op.text == "+" || value.kind == SdlValue::Opaque) {
            return true;
        }
        if (op.text == "!") {
            double number = 0;
            if (!NeedFloat(value, op.line, number)) {
                return false;
            }
            value = SdlValue::Number(std::fabs(number) <= Epsilon);
            return true;
        }
        return Binary('-', SdlValue::Number(0), value, op.line);
    }
    return Postfix(value);
}

bool SdlExpressions::Postfix(SdlValue& value) {
    if (!Primary(value)) {
        return false;
    }
    while (Ahead().IsSymbol('.') && _in.source.Second().kind == PovToken::Word) {
        if (!Component(value)) {
            return false;
        }
    }
    return true;
}

bool SdlExpressions::Component(SdlValue& value) {
    _in.source.Take();
    const PovToken name = _in.source.Take();
    const int index = ComponentIndex(name.text);
    if (value.kind == SdlValue::Opaque) {
        return true;
    }
    if (index < 0 || !value.IsNumeric()) {
        return _in.Fail(
            name.line, "." + std::string(name.text) + " is not a component of " + value.Describe());
    }
    const SdlValue whole = value.Promoted(index + 1);
    if (value.kind == SdlValue::Vector && index >= value.size) {
        return _in.Fail(name.line, Printed("the vector has %d components, no .%s", value.size,
                                           std::string(name.text).c_str()));
    }
    value = SdlValue::Number(whole.v[static_cast<size_t>(index)]);
    return true;
}

bool SdlExpressions::Primary(SdlValue& value) {
    if (_in.source.Steps() > SdlLimits::Steps) {
        return _in.Settle();
    }
    const PovToken token = _in.source.Peek();
    switch (token.kind) {
        case PovToken::Number:
            _in.source.Take();
            value = SdlValue::Number(token.value);
            return Finite(value, token.line);
        case PovToken::String:
            _in.source.Take();
            value = SdlValue::Text(Unescaped(token.text));
            return true;
        case PovToken::Word:
            _in.source.Take();
            return WordValue(token, value);
        default:
            break;
    }
    if (token.IsSymbol('(')) {
        _in.source.Take();
        return Full(value) && Expect(')');
    }
    if (token.IsSymbol('<')) {
        return VectorLiteral(value);
    }
    if (token.kind == PovToken::End) {
        return _in.Fail(token.line, "the scene ends inside an expression");
    }
    return _in.Fail(token.line, "'" + std::string(token.text) + "' cannot begin a value");
}

bool SdlExpressions::WordValue(const PovToken& word, SdlValue& value) {
    if (_in.scopes.Find(word.text) != nullptr) {
        return Identifier(word, value);
    }
    if (SdlFunctions::IsFunction(word.text)) {
        return Call(word, value);
    }
    if (SdlFunctions::Constant(word.text, value)) {
        return true;
    }
    if (word.text == "version") {
        value = SdlValue::Number(_in.version);
        return true;
    }
    if (word.text == "array") {
        return ArrayLiteral(value);
    }
    if (word.text == "defined" || word.text == "dimension_size") {
        return Special(word, value);
    }
    value =
        SdlValue::Unusable(Printed("%s is not declared, or is a value the importer does "
                                   "not evaluate (line %d)",
                                   std::string(word.text).c_str(), word.line));
    // A call of a user-defined function, or a colour's keyword and its values.
    if (_in.source.Peek().IsSymbol('(')) {
        std::vector<SdlValue> ignored;
        return Arguments(ignored);
    }
    return true;
}

bool SdlExpressions::Identifier(const PovToken& word, SdlValue& value) {
    const SdlValue& found = *_in.scopes.Find(word.text);
    value = found;
    return Subscripts(value);
}

bool SdlExpressions::Subscripts(SdlValue& value) {
    while (value.kind == SdlValue::Array && Ahead().IsSymbol('[')) {
        const int line = _in.source.Take().line;
        const SdlArray& array = *value.array;
        size_t offset = 0;
        for (size_t dim = 0; dim < array.dims.size(); ++dim) {
            double index = 0;
            if (dim > 0 && !Expect('[')) {
                return false;
            }
            if (!Float(index) || !Expect(']')) {
                return false;
            }
            if (index < 0 || index >= array.dims[dim]) {
                return _in.Fail(line, Printed("the index %g is outside the array (0 to %d)", index,
                                              array.dims[dim] - 1));
            }
            offset = offset * static_cast<size_t>(array.dims[dim]) + static_cast<size_t>(index);
        }
        const SdlValue element = array.items[offset];
        value = element;
    }
    return true;
}

bool SdlExpressions::VectorLiteral(SdlValue& value) {
    const int line = _in.source.Take().line;
    double components[SdlValue::MaxComponents] = {};
    int count = 0;
    bool opaque = false;
    for (;;) {
        SdlValue component;
        if (!Evaluate(component)) {
            return false;
        }
        if (component.kind == SdlValue::Opaque) {
            opaque = true;
            value = component;
        } else if (component.kind != SdlValue::Float) {
            return _in.Fail(
                line, std::string("a vector's components are floats, not ") + component.Describe());
        } else if (count < SdlValue::MaxComponents) {
            components[count] = component.v[0];
        }
        ++count;
        if (!Ahead().IsSymbol(',')) {
            break;
        }
        _in.source.Take();
    }
    if (count < 2 || count > SdlValue::MaxComponents) {
        return _in.Fail(line, Printed("a vector has 2 to 5 components, not %d", count));
    }
    if (!Expect('>')) {
        return false;
    }
    if (!opaque) {
        value = SdlValue::Components(components, count);
    }
    return true;
}

bool SdlExpressions::Arguments(std::vector<SdlValue>& values) {
    if (!Expect('(')) {
        return false;
    }
    if (_in.source.Peek().IsSymbol(')')) {
        _in.source.Take();
        return true;
    }
    for (;;) {
        SdlValue value;
        if (!Evaluate(value)) {
            return false;
        }
        values.push_back(value);
        if (!Ahead().IsSymbol(',')) {
            return Expect(')');
        }
        _in.source.Take();
    }
}

bool SdlExpressions::Call(const PovToken& word, SdlValue& value) {
    std::vector<SdlValue> args;
    if (!Arguments(args)) {
        return false;
    }
    std::string why;
    _in.source.Count(1);
    if (!SdlFunctions::Apply(word.text, args, value, why)) {
        return _in.Fail(word.line, why);
    }
    if (value.kind == SdlValue::String) {
        _in.source.Count(static_cast<long>(value.text.size() / 16));
    }
    return Finite(value, word.line);
}

// defined(Identifier) and dimension_size(Array, Dimension).
bool SdlExpressions::Special(const PovToken& word, SdlValue& value) {
    if (!Expect('(')) {
        return false;
    }
    const PovToken name = _in.source.Take();
    if (word.text == "defined") {
        value =
            SdlValue::Number(_in.scopes.Find(name.text) != nullptr || _in.macros.Has(name.text));
        return Expect(')');
    }
    const SdlValue* array = _in.scopes.Find(name.text);
    double dim = 0;
    if (!Expect(',') || !Float(dim) || !Expect(')')) {
        return false;
    }
    if (array == nullptr || array->kind != SdlValue::Array) {
        return _in.Fail(word.line, std::string(name.text) + " is not an array");
    }
    const auto& dims = array->array->dims;
    const size_t d = static_cast<size_t>(std::min(std::max(dim, 1.0), 8.0)) - 1;
    value = SdlValue::Number(d < dims.size() ? dims[d] : 0);
    return true;
}

// array[N][M] with an optional { initialiser }.
bool SdlExpressions::ArrayLiteral(SdlValue& value) {
    const int line = _in.source.Line();
    std::vector<int> dims;
    size_t elements = 1;
    while (_in.source.Peek().IsSymbol('[')) {
        _in.source.Take();
        double size = 0;
        if (!Float(size) || !Expect(']')) {
            return false;
        }
        if (size < 1 || size * static_cast<double>(elements) > SdlLimits::ArrayElements) {
            return _in.FailAtBound(
                line, Printed("an array of more than %s elements (or of none) is not taken",
                              Grouped(SdlLimits::ArrayElements).c_str()));
        }
        dims.push_back(static_cast<int>(size));
        elements *= static_cast<size_t>(dims.back());
    }
    if (dims.empty() || dims.size() > SdlValue::MaxComponents) {
        return _in.Fail(line, "an array has one to five sizes: array[N][M]...");
    }
    _in.source.Count(static_cast<long>(elements / 16));
    SdlArray array{
        dims, std::vector<SdlValue>(
                  elements, SdlValue::Unusable(
                                Printed("an element of the array of line %d has no value", line)))};
    value = SdlValue::Elements(std::move(array));
    if (!_in.source.Peek().IsSymbol('{')) {
        return true;
    }
    SdlValue filled = value;
    filled.array->items.clear();
    return Initialiser(filled, dims, 0) &&
           (filled.array->items.size() == elements ||
            _in.Fail(line, Printed("the array has %zu elements but its initialiser gives %zu",
                                   elements, filled.array->items.size()))) &&
           (value = filled, true);
}

bool SdlExpressions::Initialiser(SdlValue& value, const std::vector<int>& dims, size_t dim) {
    if (!Expect('{')) {
        return false;
    }
    for (int i = 0; i < dims[dim]; ++i) {
        if (dim + 1 < dims.size()) {
            if (!Initialiser(value, dims, dim + 1)) {
                return false;
            }
        } else {
            SdlValue element;
            if (!Evaluate(element)) {
                return false;
            }
            value.array->items.push_back(element);
        }
        if (_in.source.Peek().IsSymbol(',')) {
            _in.source.Take();
        }
    }
    return Expect('}');
}
