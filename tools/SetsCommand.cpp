#include "tools/SetsCommand.h"

#include <cstdio>
#include <sstream>
#include <string>

#include "model/Drawing.h"
#include "model/NumberText.h"
#include "tools/ToolExit.h"
#include "tools/ToolFiles.h"

int RunSetsCommand(const char* command, int argc, char** argv, const OptionHandler& option,
                   const SetsOperation& operation) {
    std::vector<const char*> files;
    Drawing drawing;
    const int read = ParseAndReadDrawing(command, argc, argv, files, option, drawing);
    if (read != ToolContinue) {
        return read;
    }
    const SetsResult result = operation(drawing, drawing.kind);
    if (!result.ok) {
        std::fprintf(stderr, "%s: %s\n", files[0], result.message.c_str());
        return ExitOperationRefused;
    }
    for (const std::string& note : result.notes) {
        std::fprintf(stderr, "%s: note: %s\n", files[1], note.c_str());
    }
    if (result.deviation > 0) {
        std::fprintf(stderr, "%s: note: within %.3g file units of the exact result\n", files[1],
                     result.deviation);
    }
    return WriteDrawing(result.drawing, files[1], 2);
}

OptionResult TakeSetList(ToolArguments& args, std::vector<int>& sets) {
    const char* text = nullptr;
    if (!args.Value(text)) {
        return OptionStatus::MissingValue;
    }
    std::stringstream list(text);
    std::string item;
    while (std::getline(list, item, ',')) {
        long set = 0;
        if (!ParseWhole(item.c_str(), set) || set < 1 || set > MaxSets) {
            return OptionResult::BadValue("not a list of set numbers such as 1,3");
        }
        sets.push_back(static_cast<int>(set));
    }
    return OptionResult::TakenIf(!sets.empty(), "not a list of set numbers such as 1,3");
}

OptionResult TakeDistance(ToolArguments& args, double& distance) {
    const char* text = nullptr;
    if (!args.Value(text)) {
        return OptionStatus::MissingValue;
    }
    return OptionResult::TakenIf(ReadNumber(text, distance), "not a finite number");
}
