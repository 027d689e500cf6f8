#include "tools/ToolArguments.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <cstring>

#include "model/ModelUnits.h"
#include "model/NumberText.h"
#include "tools/ToolCommand.h"
#include "tools/ToolExit.h"
#include "tools/ToolHelp.h"
#include "tools/ToolMessages.h"

OptionResult OptionResult::BadValue(std::string reason) {
    OptionResult result(OptionStatus::BadValue);
    result.reason = std::move(reason);
    return result;
}

OptionResult OptionResult::TakenIf(bool taken, const char* reason) {
    return taken ? OptionResult() : BadValue(reason);
}

const char* ToolArguments::Next() {
    _value = nullptr;
    return _argv[_next++];
}

bool ToolArguments::Value(const char*& value) {
    if (Done()) {
        return false;
    }
    value = _value = _argv[_next++];
    return true;
}

namespace {

// What a refusal says of the option: a refused value gives its own reason.
std::string RefusalReason(const OptionResult& result) {
    switch (result.status) {
        case OptionStatus::Unknown:
            return "unknown option";
        case OptionStatus::MissingValue:
            return "needs a value";
        default:
            return result.reason;
    }
}

}  // namespace

int ParseToolArguments(const char* command, int argc, char** argv,
                       std::vector<const char*>& positional, const OptionHandler& option) {
    const ToolCommand& entry = *FindToolCommand(command);
    ToolArguments args(argc, argv);
    while (!args.Done()) {
        const char* arg = args.Next();
        if (std::strcmp(arg, "--help") == 0) {
            PrintCommandHelp(command);
            return ExitOk;
        }
        if (std::strncmp(arg, "--", 2) != 0) {
            positional.push_back(arg);
            if (positional.size() > entry.positional.size()) {
                return RefuseArgument(command, arg, "one argument too many");
            }
            continue;
        }
        const OptionResult result = option(arg + 2, args);
        if (!result.Taken()) {
            const char* value = args.TakenValue();
            return RefuseArgument(command, value != nullptr ? std::string(arg) + " " + value : arg,
                                  RefusalReason(result));
        }
    }
    if (positional.size() < entry.required) {
        return RefuseArgument(command, entry.positional[positional.size()], "missing");
    }
    return ToolContinue;
}

bool ParseWhole(const char* text, long& value) {
    char* end = nullptr;
    errno = 0;
    value = std::strtol(text, &end, 10);
    return *text != '\0' && *end == '\0' && errno == 0;
}

OptionResult TakeSize(const char* text, long maxSide, long& width, long& height) {
    const char* x = std::strchr(text, 'x');
    char widthText[16] = {};
    if (x != nullptr && x - text < static_cast<long>(sizeof widthText)) {
        std::memcpy(widthText, text, static_cast<size_t>(x - text));
        if (ParseWhole(widthText, width) && ParseWhole(x + 1, height) && width >= 1 &&
            height >= 1 && width <= maxSide && height <= maxSide) {
            return OptionStatus::Taken;
        }
    }
    return OptionResult::BadValue("not WIDTHxHEIGHT with sides from 1 to " +
                                  std::to_string(maxSide));
}

OptionResult TakeFilePoint(const char* text, Point2& model) {
    const char* comma = std::strchr(text, ',');
    double x = 0;
    double y = 0;
    if (comma == nullptr || !ReadNumber(std::string(text, comma).c_str(), x) ||
        !ReadNumber(comma + 1, y)) {
        return OptionResult::BadValue("not X,Y in file units");
    }
    model = {x * ModelUnitsPerFileUnit, -y * ModelUnitsPerFileUnit};
    return OptionStatus::Taken;
}

int ChoiceIndex(const char* value, const char* const* choices) {
    for (int i = 0; choices[i] != nullptr; ++i) {
        if (std::strcmp(choices[i], value) == 0) {
            return i;
        }
    }
    return -1;
}

OptionResult NotOneOf(const char* const* choices) {
    std::string reason = "not one of";
    for (int i = 0; choices[i] != nullptr; ++i) {
        reason += (i == 0 ? " " : ", ") + std::string(choices[i]);
    }
    return OptionResult::BadValue(reason);
}
