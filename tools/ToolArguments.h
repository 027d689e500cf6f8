#pragma once

#include <functional>
#include <string>
#include <vector>

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

// Reasons an option handler gives; any other text is a refused value's reason.
extern const char* const UnknownOption;
extern const char* const MissingValue;

// Handles one option (its name without the leading "--") and takes its value from the
// arguments. Returns "" when the option is taken, else why it is refused.
using OptionHandler = std::function<std::string(const char* name, ToolArguments& args)>;

// Splits the arguments of the command into positional ones and options ("--" then a name).
// "--help" prints the command's help. Returns ToolContinue when the command goes on, ExitOk
// after the help, or ExitUsage after saying which argument is refused and why (an option, its
// value, a positional argument missing or one too many).
int ParseToolArguments(const char* command, int argc, char** argv, int minPositional,
                       int maxPositional, std::vector<const char*>& positional,
                       const OptionHandler& option);

// The whole text as a whole number: false for anything else, and for one out of range. (Real
// numbers are read by ReadNumber.)
bool ParseWhole(const char* text, long& value);

// "WxH" with whole sides from 1 to maxSide: "" when taken, else why not.
std::string TakeSize(const char* text, long maxSide, long& width, long& height);

// Takes the value when it is one of the choices (a list ended by nullptr), as its index.
std::string TakeChoice(const char* value, const char* const* choices, int& index);
