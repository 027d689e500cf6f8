#include <optional>
#include <string_view>

#include "model/SetOperations.h"
#include "tools/SetsCommand.h"
#include "tools/ToolCommand.h"

namespace {

constexpr const char* Joins[] = {"round", "miter", "square", nullptr};

}  // namespace

int RunOffset(int argc, char** argv) {
    std::optional<double> by;
    std::optional<OffsetJoin> join;
    std::vector<int> sets;
    const auto option = [&](const char* name, ToolArguments& args) -> OptionResult {
        const std::string_view option(name);
        if (option == "sets") {
            return TakeSetList(args, sets);
        }
        if (option == "by") {
            by = 0;
            return TakeDistance(args, *by);
        }
        return option == "join" ? TakeChoiceValue(args, Joins, join) : OptionStatus::Unknown;
    };
    return RunSetsCommand("offset", argc, argv, option, [&](const Drawing& drawing, int kind) {
        if (!by) {
            return SetsResult::Refused("say how far with --by D (file units; below 0 shrinks)");
        }
        return OffsetSets(drawing, kind, sets, *by, join.value_or(OffsetJoin::Round));
    });
}
