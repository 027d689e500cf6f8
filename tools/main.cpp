#include <cstring>

#include "tools/ToolCommand.h"
#include "tools/ToolExit.h"
#include "tools/ToolHelp.h"

int main(int argc, char** argv) {
    if (argc < 2) {
        return UsageError();
    }
    if (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0) {
        PrintManual();
        return ExitOk;
    }
    const ToolCommand* command = FindToolCommand(argv[1]);
    if (command == nullptr) {
        return UsageError();
    }
    return command->run(argc - 2, argv + 2);
}
