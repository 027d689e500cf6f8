// The argument splitter on any command line: at most the arguments the array holds, each
// within its line, the array null-terminated, and "-vDebug" taken out with its argument.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "fuzz/FuzzCheck.h"
#include "toolkit/vArgumentList.h"

namespace {

void RequireSound(vArgumentList& list) {
    const int argc = list.Argc();
    Require(argc >= 1 && argc <= vArgumentList::MaxArguments + 1, "argc " + std::to_string(argc));
    Require(list.Argv()[argc] == nullptr, "argv not null-terminated");
    Require(std::strlen(list.Argv()[0]) <= vArgumentList::MaxProgramPath, "program path too long");
    for (int i = 1; i < argc; ++i) {
        Require(std::strpbrk(list.Argv()[i], "\r\n") == nullptr, "an argument holds a line end");
    }
}

int DebugOption(vArgumentList& list) {
    for (int i = 1; i < list.Argc(); ++i) {
        if (std::strcmp(list.Argv()[i], "-vDebug") == 0) {
            return i;
        }
    }
    return 0;
}

void RequireDebugOptionRemoved(vArgumentList& list) {
    const int before = list.Argc();
    const int option = DebugOption(list);
    list.RemoveDebugOption();
    const int removed = option == 0 ? 0 : (option + 1 < before ? 2 : 1);
    Require(list.Argc() == before - removed, "-vDebug removed wrongly");
    RequireSound(list);
}

}  // namespace

// The bytes up to the first NUL are the program path, the rest the command line; split at
// every NUL they are also an argument array as the system gives it.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const size_t end = bytes.find('\0');
    const std::string path = bytes.substr(0, end);
    const std::string line = end == std::string::npos ? std::string() : bytes.substr(end + 1);
    vArgumentList split;
    split.SplitCommandLine(path.c_str(), line.c_str());
    RequireSound(split);
    RequireDebugOptionRemoved(split);

    std::vector<const char*> argv;
    for (size_t start = 0;;) {
        argv.push_back(bytes.c_str() + start);
        const size_t nul = bytes.find('\0', start);
        if (nul == std::string::npos) {
            break;
        }
        start = nul + 1;
    }
    vArgumentList given;
    given.SetFromArgv(static_cast<int>(argv.size()), argv.data());
    Require(given.Argc() <= vArgumentList::MaxArguments + 1, "too many arguments kept");
    Require(given.Argv()[given.Argc()] == nullptr, "argv not null-terminated");
    return 0;
}
