#include <optional>
#include <string_view>

#include "model/SetOperations.h"
#include "tools/SetsCommand.h"
#include "tools/ToolCommand.h"
#include "tools/ToolMessages.h"

namespace {

constexpr const char* Operations[] = {"union", "difference", "intersection", "xor", nullptr};

}  // namespace

int RunCombine(int argc, char** argv) {
    std::optional<RegionOperation> operation;
    std::vector<int> sets;
    bool twice = false;
    const auto option = [&](const char* name, ToolArguments& args) -> OptionResult {
        if (std::string_view(name) == "sets") {
            return TakeSetList(args, sets);
        }
        const int index = ChoiceIndex(name, Operations);
        if (index < 0) {
            return OptionStatus::Unknown;
        }
        twice = twice || operation.has_value();
        operation = static_cast<RegionOperation>(index);
        return OptionStatus::Taken;
    };
    return RunSetsCommand("combine", argc, argv, option, [&](const Drawing& drawing, int kind) {
        if (!operation || twice) {
            return SetsResult::Refused(
                "name one operation: --union, --difference, --intersection or --xor");
        }
        return CombineSets(drawing, kind, sets, *operation);
    });
}
