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
    Open(name);
    const PovToken keyword = _in.source.Take();
    _in.source.Take();
    Open(IsGroup(keyword) ? std::string(keyword.text) : "");
    const bool walked = Statements(base + 1);
    _path.resize(base);
    _firstObjects.resize(base);
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
            Open(IsGroup(taken) ? std::string(taken.text) : "");
        } else if (taken.IsSymbol('{')) {
            Open("");
        } else if (SdlObjectReader::IsTransform(taken) && !_path.empty() && !_path.back().empty()) {
            if (!GroupModifier(taken)) {
                return false;
            }
        } else if (taken.IsSymbol('}') && _path.size() > 0) {
            _path.pop_back();
            _firstObjects.pop_back();
            if (_path.size() == base && base > 0) {
                return true;
            }
        }
    }
    return false;
}

void SdlSceneWalker::Open(const std::string& entry) {
    _path.push_back(entry);
    _firstObjects.push_back(_in.scene.objects.size());
}

// A CSG object's or wrapper's modifier acts on every object created inside it, all of which
// stand before it.
bool SdlSceneWalker::GroupModifier(const PovToken& word) {
    EvaluatedScene::Modifier modifier;
    if (!_in.objects.Modifier(word, modifier)) {
        return false;
    }
    auto& objects = _in.scene.objects;
    for (size_t i = _firstObjects.back(); i < objects.size(); ++i) {
        objects[i].modifiers.push_back(modifier);
    }
    return true;
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
