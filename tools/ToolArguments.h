#pragma once

#include <functional>
#include <vector>

// The arguments after the subcommand name, taken one at a time.
class ToolArguments {
public:
    ToolArguments(int argc, char** argv) : _argc(argc), _argv(argv) {}

    bool Done() const { return _next >= _argc; }
    const char* Next() { return _argv[_next++]; }
    // Takes the value that follows an option; false when there is none.
    bool Value(const char*& value);

private:
    int _argc;
    char** _argv;
    int _next = 0;
};

// Handles one option (its name with the leading "--") and takes its value from the arguments;
// false when the option is unknown or its value is not acceptable.
using OptionHandler = std::function<bool(const char* name, ToolArguments& args)>;

// Splits the arguments into positional ones and options ("--" then a name). False when an
// option is refused or the number of positional arguments is outside min..max.
bool ParseToolArguments(int argc, char** argv, int minPositional, int maxPositional,
                        std::vector<const char*>& positional, const OptionHandler& option);

// Whole-text numbers: false for anything else, and for values that are not finite.
bool ParseWhole(const char* text, long& value);
bool ParseReal(const char* text, double& value);
