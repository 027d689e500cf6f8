#pragma once

#include <functional>
#include <optional>
#include <utility>

class vCmdParent;

// A dialog's field for a typed number, and the line under it that says what is wanted when the
// text will not do. The text is read whole (blanks after it allowed) as a finite number that
// the field's rule accepts; a field with no rule takes any finite number.
class TypedNumberField {
public:
    using Rule = std::function<bool(double)>;
    // The rule of a field that takes only numbers above 0.
    static bool AboveZero(double typed) { return typed > 0; }

    TypedNumberField(int field, int problem, const char* wanted, Rule rule = nullptr)
        : _field(field), _problem(problem), _wanted(wanted), _rule(std::move(rule)) {}

    // The value in the field, written with the printf format, and nothing said under it.
    void Show(vCmdParent& dialog, double value, const char* format = "%g") const;
    // The typed number, when it will do.
    std::optional<double> Read(vCmdParent& dialog) const;
    // The typed number into `value`; otherwise the line under the field says what is wanted and
    // `value` stays as it was.
    bool Take(vCmdParent& dialog, double& value) const;
    // The line under the field says what is wanted, or nothing.
    void Tell(vCmdParent& dialog) const;
    void ClearProblem(vCmdParent& dialog) const;

private:
    int _field;
    int _problem;
    const char* _wanted;
    Rule _rule;
};
