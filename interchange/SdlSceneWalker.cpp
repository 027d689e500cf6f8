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
    _members.resize(base);
    return walked;
}

void SdlSceneWalker::Declared(const std::string& name, size_t first, size_t end) {
    _declared[name] = {first, end, false};
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
        } else if (SdlObjectReader::IsTransform(taken) && InGroup()) {
            if (!GroupModifier(taken)) {
                return false;
            }
        } else if (taken.kind == PovToken::Word && InGroup()) {
            Place(std::string(taken.text));
        } else if (taken.IsSymbol('}') && _path.size() > 0) {
            Close();
            if (_path.size() == base && base > 0) {
                return true;
            }
        }
    }
    return false;
}

bool SdlSceneWalker::InGroup() const {
    return !_path.empty() && !_path.back().empty();
}

void SdlSceneWalker::Open(const std::string& entry) {
    _path.push_back(entry);
    _members.push_back({_in.scene.objects.size(), {}});
}

// The objects placed in the block closed are members of the block around it too.
void SdlSceneWalker::Close() {
    std::vector<size_t> placed = std::move(_members.back().placed);
    _path.pop_back();
    _members.pop_back();
    if (!_members.empty()) {
        _members.back().placed.insert(_members.back().placed.end(), placed.begin(), placed.end());
    }
}

// A declared object or group placed in the scene by its name: the first placing is the one
// whose modifiers act on the objects declared.
void SdlSceneWalker::Place(const std::string& name) {
    const auto found = _declared.find(name);
    if (found == _declared.end() || found->second.placed) {
        return;
    }
    found->second.placed = true;
    for (size_t i = found->second.first; i < found->second.end; ++i) {
        _members.back().placed.push_back(i);
    }
}

// A CSG object's or wrapper's modifier acts on every object created or placed inside it, all of
// which stand before it.
bool SdlSceneWalker::GroupModifier(const PovToken& word) {
    EvaluatedScene::Modifier modifier;
    if (!_in.objects.Modifier(word, modifier)) {
        return false;
    }
    auto& objects = _in.scene.objects;
    for (size_t i = _members.back().first; i < objects.size(); ++i) {
        objects[i].modifiers.push_back(modifier);
    }
    for (size_t i : _members.back().placed) {
        if (i < _members.back().first) {  // one declared inside the block has it already
            objects[i].modifiers.push_back(modifier);
        }
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
