#include <gtest/gtest.h>

#include <string>

#include "tools/ToolCommand.h"

// The synopsis of each command names its positional arguments in their order, the optional
// ones in brackets, and nothing positional after them: the help cannot drift from what the
// parsing takes and names in its refusals.
TEST(ToolCommands, SynopsisNamesThePositionalArgumentsInOrder) {
    for (const ToolCommand* command = ToolCommands; command->name != nullptr; ++command) {
        ASSERT_LE(command->required, command->positional.size()) << command->name;
        std::string named = command->name;
        for (size_t i = 0; i < command->positional.size(); ++i) {
            const std::string name = command->positional[i];
            named += " " + (i < command->required ? name : "[" + name + "]");
        }
        const std::string synopsis = command->synopsis;
        EXPECT_EQ(synopsis.substr(0, named.size()), named);
        const std::string rest = synopsis.substr(named.size());
        EXPECT_TRUE(rest.empty() || rest.rfind(" --", 0) == 0 || rest.rfind(" [--", 0) == 0 ||
                    rest == " [drawing options]")
            << synopsis;
    }
}
