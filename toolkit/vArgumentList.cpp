#include "toolkit/vArgumentList.h"

#include <cstring>

namespace {

bool EndsLine(char c) {
    return c == '\0' || c == '\n' || c == '\r';
}

}  // namespace

void vArgumentList::Add(std::string text) {
    if (static_cast<int>(_strings.size()) < MaxArguments + 1) {
        _strings.push_back(std::move(text));
    }
}

void vArgumentList::Rebuild() {
    int count = Argc();
    for (int i = 0; i < MaxEntries; ++i) {
        _argv[i] = i < count ? _strings[i].data() : nullptr;
    }
}

void vArgumentList::SetFromArgv(int argc, const char* const* argv) {
    _strings.clear();
    for (int i = 0; argv && i < argc && argv[i]; ++i) {
        Add(argv[i]);
    }
    Rebuild();
}

void vArgumentList::SplitCommandLine(const char* programPath, const char* line) {
    _strings.clear();
    std::string path = programPath ? programPath : "";
    Add(path.substr(0, MaxProgramPath));
    const char* p = line ? line : "";
    while (!EndsLine(*p)) {
        while (*p == ' ' || *p == '\t') {
            ++p;
        }
        if (EndsLine(*p)) {
            break;
        }
        const char* start = p;
        if (*p == '"') {
            start = ++p;
            while (!EndsLine(*p) && *p != '"') {
                ++p;
            }
            Add(std::string(start, p));
            if (*p == '"') {
                ++p;
            }
        } else {
            while (!EndsLine(*p)) {
                ++p;
            }
            Add(std::string(start, p));
        }
    }
    Rebuild();
}

void vArgumentList::RemoveDebugOption() {
    for (size_t i = 1; i < _strings.size(); ++i) {
        if (_strings[i] == "-vDebug") {
            // Given last, the option has no argument to take along.
            size_t end = i + 2 < _strings.size() ? i + 2 : _strings.size();
            _strings.erase(_strings.begin() + i, _strings.begin() + end);
            break;
        }
    }
    Rebuild();
}

void vArgumentList::SetProgramPath(const std::string& path) {
    if (path.empty() || path.size() > static_cast<size_t>(MaxProgramPath)) {
        return;
    }
    if (_strings.empty()) {
        _strings.push_back(path);
    } else {
        _strings[0] = path;
    }
    Rebuild();
}

const char* vArgumentList::Arg(int index) const {
    return index >= 0 && index < Argc() ? _strings[index].c_str() : nullptr;
}
