#pragma once

#include <functional>
#include <optional>
#include <vector>

#include "model/SetOutlines.h"
#include "tools/ToolArguments.h"

// What a command that remakes the drawing's sets does with the drawing read and its kind.
using SetsOperation = std::function<SetsResult(const Drawing& drawing, int kind)>;

// Reads IN, remakes its sets with the operation and writes OUT as the same kind. A refusal is
// said on standard error ("IN: REASON", exit ExitOperationRefused); notes and the deviation of
// fitted curves go there too.
int RunSetsCommand(const char* command, int argc, char** argv, const OptionHandler& option,
                   const SetsOperation& operation);

// "--sets 1,3": set numbers separated by commas.
OptionResult TakeSetList(ToolArguments& args, std::vector<int>& sets);

// "--NAME D": a finite number.
OptionResult TakeDistance(ToolArguments& args, double& distance);

// "--NAME VALUE" with the value one of the choices (a list ended by nullptr).
template <typename Enum>
OptionResult TakeChoiceValue(ToolArguments& args, const char* const* choices,
                             std::optional<Enum>& chosen) {
    const char* value = nullptr;
    return args.Value(value) ? TakeChoice(value, choices, chosen) : OptionStatus::MissingValue;
}
