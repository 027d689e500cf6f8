#include "interchange/SdlSceneWalker.h"

#include "interchange/PovObjectWords.h"
#include "interchange/SdlInterpreter.h"

namespace {

// The blocks that group objects, named in an object's path.
bool IsGroup(const PovToken& token) {
    for (const char* word : {"union", "difference", "intersection", "merge", "object"}) {
        if (token.Is(PovToken::Word, word)) {
            return true;
        }
    }
    return false;
}

}  // namespace

bool SdlSceneWalker::Walk() {
    return Statements(0) && _in.control.AllClosed();
}

bool SdlSceneWalker::DeclaredBlock(const std::string& name) {
    const size_t base = _path.size();
    _path.push_back(name);
    const PovToken keyword = _in.source.Take();
    _in.source.Take();
    _path.push_back(IsGroup(keyword) ? std::string(keyword.text) : "");
    const bool walked = Statements(base + 1);
    _path.resize(base);
    return walked;
}

bool SdlSceneWalker::Statements(size_t base) {
    SdlSource& source = _in.source;
    while (_in.Settle()) {
        const PovToken& token = source.Peek();
        const bool opens = token.kind == PovToken::Word && source.Second().IsSymbol('{');
        if (token.kind == PovToken::End) {
            return base == 0 || _in.Fail(token.line, "the scene ends inside a block");
        }
        if (opens && IsObjectKeyword(token)) {
            if (!_in.objects.Read("")) {
                return false;
            }
            continue;
        }
        const PovToken taken = source.Take();
        if (opens) {
            source.Take();
            _path.push_back(IsGroup(taken) ? std::string(taken.text) : "");
        } else if (taken.IsSymbol('{')) {
            _path.push_back("");
        } else if (taken.IsSymbol('}') && _path.size() > 0) {
            _path.pop_back();
            if (_path.size() == base && base > 0) {
                return true;
            }
        }
    }
    return false;
}

std::string SdlSceneWalker::Path() const {
    std::string path;
    for (const std::string& entry : _path) {
        if (!entry.empty()) {
            path += (path.empty() ? "" : " > ") + entry;
        }
    }
    return path;
}
