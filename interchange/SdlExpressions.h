#pragma once

#include <string>
#include <vector>

#include "interchange/PovToken.h"
#include "interchange/SdlValue.h"

class SdlInterpreter;

// Evaluates expressions of the scene language with the ray tracer's rules: outside parentheses
// only sums and products (so that '<' and '>' can close a vector), inside them also
// comparisons, '&' and '|' (one level, left to right) and '? :'; floats promote to vectors,
// shorter vectors to longer ones with zeros. Truth is an absolute value above 1e-10, as is
// inequality. A value the importer does not model (a colour, an object) flows through as an
// opaque one, and only fails where a number is needed.
class SdlExpressions {
public:
    explicit SdlExpressions(SdlInterpreter& in) : _in(in) {}

    bool Evaluate(SdlValue& value);
    // A float, for a count, a height or a loop's bounds.
    bool Float(double& number);
    bool Condition(bool& truth);
    // Whether the token can begin an expression.
    bool Starts(const PovToken& token) const;
    // The value as a float; false, with the reason, when it is none.
    bool NeedFloat(const SdlValue& value, int line, double& number);
    bool NeedNumeric(const SdlValue& value, int line);

private:
    bool Full(SdlValue& value);
    bool Logical(SdlValue& value);
    bool Relational(SdlValue& value);
    bool Additive(SdlValue& value);
    bool Multiplicative(SdlValue& value);
    bool Unary(SdlValue& value);
    bool NestedUnary(SdlValue& value);
    bool Postfix(SdlValue& value);
    bool Primary(SdlValue& value);
    bool WordValue(const PovToken& word, SdlValue& value);
    bool VectorLiteral(SdlValue& value);
    bool Identifier(const PovToken& word, SdlValue& value);
    bool Subscripts(SdlValue& value);
    bool Component(SdlValue& value);
    bool ArrayLiteral(SdlValue& value);
    bool Initialiser(SdlValue& value, const std::vector<int>& dims, size_t dim);
    bool Call(const PovToken& word, SdlValue& value);
    bool Arguments(std::vector<SdlValue>& values);
    bool Special(const PovToken& word, SdlValue& value);
    bool Binary(char op, const SdlValue& a, SdlValue& b, int line);
    bool Finite(SdlValue& value, int line);
    bool Expect(char symbol);
    // The next token after an operand. Inside a macro invoked by the expression, the directives
    // that only close or continue a block (#end, #else, ...) are run first, as they stand
    // between the macro's value and the rest of the expression; in the expression's own frame
    // any directive ends it, so that a loop's #end is never run inside its own condition.
    const PovToken& Ahead();

    // Expressions nested deeper than this stop the evaluation before the stack would run out.
    static constexpr int MaxNesting = 256;

    SdlInterpreter& _in;
    size_t _base = 0;  // the frame depth the outermost expression began in
    int _nesting = 0;
};
