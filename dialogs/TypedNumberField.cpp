#include "dialogs/TypedNumberField.h"

#include <cstdio>

#include "model/NumberText.h"
#include "toolkit/vCmdParent.h"

namespace {

constexpr int FieldSize = 40;

}  // namespace

void TypedNumberField::Show(vCmdParent& dialog, double value, const char* format) const {
    char text[FieldSize];
    std::snprintf(text, sizeof text, format, value);
    dialog.SetControlText(_field, text);
    ClearProblem(dialog);
}

std::optional<double> TypedNumberField::Read(vCmdParent& dialog) const {
    char text[FieldSize] = "";
    dialog.GetControlText(_field, text, sizeof text);
    double typed = 0;
    if (!ReadTypedNumber(text, typed) || (_rule && !_rule(typed))) {
        return std::nullopt;
    }
    return typed;
}

bool TypedNumberField::Take(vCmdParent& dialog, double& value) const {
    const std::optional<double> typed = Read(dialog);
    if (!typed) {
        Tell(dialog);
        return false;
    }
    value = *typed;
    return true;
}

void TypedNumberField::Tell(vCmdParent& dialog) const {
    dialog.SetControlText(_problem, _wanted);
}

void TypedNumberField::ClearProblem(vCmdParent& dialog) const {
    dialog.SetControlText(_problem, "");
}
