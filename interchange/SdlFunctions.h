#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "interchange/SdlValue.h"

// The built-in functions and constants of the scene language that outlines are computed with.
namespace SdlFunctions {

// Whether name is a built-in function.
bool IsFunction(std::string_view name);
// Applies the function to the evaluated arguments; false, with the reason, when they do not
// fit it.
bool Apply(std::string_view name, const std::vector<SdlValue>& args, SdlValue& result,
           std::string& why);
// The value of a built-in constant (pi, x, true, ...); false when name is none.
bool Constant(std::string_view name, SdlValue& value);

}  // namespace SdlFunctions
