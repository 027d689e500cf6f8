#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "model/Point2.h"

// The arguments after the subcommand name, taken one at a time.
class ToolArguments {
public:
    ToolArguments(int argc, char** argv) : _argc(argc), _argv(argv) {}

    bool Done() const { return _next >= _argc; }
    const char* Next();
    // Takes the value that follows an option; false when there is none.
    bool Value(const char*& value);
    // The value the option being handled took, or nullptr.
    const char* TakenValue() const { return _value; }

private:
    int _argc;
    char** _argv;
    int _next = 0;
    const char* _value = nullptr;
};

// What an option handler made of one option.
enum class OptionStatus { Taken, Unknown, MissingValue, BadValue };

// An option handler's answer: the status, and for a refused value the reason.
struct OptionResult {
    // Not explicit: a handler answers OptionStatus::Unknown as it is.
    OptionResult(OptionStatus status = OptionStatus::Taken) : status(status) {}
    static OptionResult BadValue(std::string reason);
    // Taken when `taken`, else a refused value for the reason.
    static OptionResult TakenIf(bool taken, const char* reason);
    bool Taken() const { return status == OptionStatus::Taken; }

    OptionStatus status;
    std::string reason;
};

// Handles one option (its name without the leading "--") and takes its value from the
// arguments.
using OptionHandler = std::function<OptionResult(const char* name, ToolArguments& args)>;

// Splits the arguments of the command (a name in the command table) into positional ones and
// options ("--" then a name). "--help" prints the command's help. Returns ToolContinue when the
// command goes on, ExitOk after the help, or ExitUsage after saying which argument is refused
// and why (an option, its value, a positional argument missing or one too many).
int ParseToolArguments(const char* command, int argc, char** argv,
                       std::vector<const char*>& positional, const OptionHandler& option);

// The whole text as a whole number: false for anything else, and for one out of range. (Real
// numbers are read by ReadNumber.)
bool ParseWhole(const char* text, long& value);

// "WxH" with whole sides from 1 to maxSide.
OptionResult TakeSize(const char* text, long maxSide, long& width, long& height);

// "X,Y" in file units, as the model point there.
OptionResult TakeFilePoint(const char* text, Point2& model);

// The index of the value among the choices (a list ended by nullptr), or -1.
int ChoiceIndex(const char* value, const char* const* choices);
// The refusal of a value that is none of the choices: "not one of A, B, C".
OptionResult NotOneOf(const char* const* choices);

// Takes the value when it is one of the choices, as the enumerator of its index.
template <typename Enum>
OptionResult TakeChoice(const char* value, const char* const* choices,
                        std::optional<Enum>& chosen) {
    const int index = ChoiceIndex(value, choices);
    if (index < 0) {
        return NotOneOf(choices);
    }
    chosen = static_cast<Enum>(index);
    return OptionStatus::Taken;
}
