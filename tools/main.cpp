#include "tools/VexlinTool.h"

int main(int argc, char** argv) {
    return RunVexlinTool(argc, argv);
}
