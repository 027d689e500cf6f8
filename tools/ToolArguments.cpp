#include "tools/ToolArguments.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <cstring>

bool ToolArguments::Value(const char*& value) {
    if (Done()) {
        return false;
    }
    value = Next();
    return true;
}

bool ParseToolArguments(int argc, char** argv, int minPositional, int maxPositional,
                        std::vector<const char*>& positional, const OptionHandler& option) {
    ToolArguments args(argc, argv);
    while (!args.Done()) {
        const char* arg = args.Next();
        if (std::strncmp(arg, "--", 2) == 0) {
            if (!option(arg + 2, args)) {
                return false;
            }
        } else {
            positional.push_back(arg);
        }
    }
    int count = static_cast<int>(positional.size());
    return count >= minPositional && count <= maxPositional;
}

bool ParseWhole(const char* text, long& value) {
    char* end = nullptr;
    errno = 0;
    value = std::strtol(text, &end, 10);
    return *text != '\0' && *end == '\0' && errno == 0;
}

bool ParseReal(const char* text, double& value) {
    char* end = nullptr;
    value = std::strtod(text, &end);
    return *text != '\0' && *end == '\0' && std::isfinite(value);
}
