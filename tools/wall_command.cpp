#include <optional>
#include <string_view>

#include "model/ProfileWall.h"
#include "tools/SetsCommand.h"
#include "tools/ToolCommand.h"

namespace {

constexpr const char* Lips[] = {"round", "flat", nullptr};

}  // namespace

int RunWall(int argc, char** argv) {
    WallOptions wall;
    bool thick = false;
    std::optional<LipShape> lip;
    std::vector<int> sets;
    const auto option = [&](const char* name, ToolArguments& args) -> OptionResult {
        const std::string_view option(name);
        if (option == "sets") {
            return TakeSetList(args, sets);
        }
        if (option == "inside" || option == "outside") {
            wall.side = option == "inside" ? WallSide::Inside : WallSide::Outside;
            return OptionStatus::Taken;
        }
        if (option == "thickness") {
            thick = true;
            return TakeDistance(args, wall.thickness);
        }
        return option == "lip" ? TakeChoiceValue(args, Lips, lip) : OptionStatus::Unknown;
    };
    return RunSetsCommand("wall", argc, argv, option, [&](const Drawing& drawing, int kind) {
        if (!thick) {
            return SetsResult::Refused("say how thick with --thickness D (file units)");
        }
        wall.lip = lip.value_or(LipShape::Round);
        return WallProfiles(drawing, kind, sets, wall);
    });
}
