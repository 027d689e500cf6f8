#include "interchange/SdlDirectives.h"

#include <unistd.h>

#include "interchange/ImportReport.h"
#include "interchange/PovImport.h"
#include "interchange/SdlArray.h"
#include "interchange/SdlInterpreter.h"
#include "interchange/SdlLimits.h"
#include "io/BoundedFile.h"

namespace {

// The most the scene's #debug text keeps.
constexpr size_t DebugLimit = size_t{1} << 20;

bool IsAny(const PovToken& token, std::initializer_list<const char*> names) {
    for (const char* name : names) {
        if (token.text == name) {
            return true;
        }
    }
    return false;
}

}  // namespace

bool SdlDirectives::Execute() {
    const PovToken directive = _in.source.Peek();
    if (SdlControl::Handles(directive)) {
        return _in.control.Execute(directive);
    }
    if (directive.text == "#macro") {
        return _in.macros.Define();
    }
    _in.source.Take();
    if (IsAny(directive, {"#declare", "#local"})) {
        return Declare(directive);
    }
    if (directive.text == "#undef") {
        return Undefine(directive);
    }
    if (directive.text == "#version") {
        return Version();
    }
    if (directive.text == "#include") {
        return Include(directive);
    }
    if (IsAny(directive, {"#debug", "#warning", "#error", "#render", "#statistics"})) {
        return Message(directive);
    }
    return SkipUnrun(directive);
}

bool SdlDirectives::Declare(const PovToken& directive) {
    const PovToken name = _in.source.Take();
    std::vector<size_t> indices;
    if (name.kind != PovToken::Word) {
        return _in.Fail(directive.line, std::string(directive.text) + " needs an identifier");
    }
    if (!Subscripts(indices)) {
        return false;
    }
    if (!_in.source.Take().IsSymbol('=')) {
        return _in.Fail(directive.line, "'=' expected after " + std::string(name.text));
    }
    SdlValue value;
    if (!_in.Settle() || !Value(std::string(name.text), name.line, value)) {
        return false;
    }
    if (_in.source.Peek().IsSymbol(';')) {
        _in.source.Take();
    }
    return Assign(directive, std::string(name.text), indices, std::move(value));
}

bool SdlDirectives::Subscripts(std::vector<size_t>& indices) {
    while (_in.source.Peek().IsSymbol('[')) {
        _in.source.Take();
        double index = 0;
        if (!_in.expressions.Float(index)) {
            return false;
        }
        if (!_in.source.Take().IsSymbol(']') || index < 0 || index > SdlLimits::ArrayElements) {
            return _in.Fail(_in.source.Line(), "an array index is a float in [ ]");
        }
        indices.push_back(static_cast<size_t>(index));
    }
    return true;
}

// The right-hand side of a declaration: an object the importer reads, a block it looks into
// for such objects, a function, an expression, or something else that it passes over.
bool SdlDirectives::Value(const std::string& name, int line, SdlValue& value) {
    SdlSource& source = _in.source;
    const PovToken first = source.Peek();
    const bool block = first.kind == PovToken::Word && source.Second().IsSymbol('{');
    value = SdlValue::Unusable(name + " (line " + std::to_string(line) +
                               ") holds a value the importer does not evaluate");
    if (block && IsObjectKeyword(first)) {
        const size_t index = _in.scene.objects.size();
        if (!_in.objects.Read(name)) {
            return false;
        }
        _in.RecordName(name, line, static_cast<int>(index), false);
        _in.walker.Declared(name, index, _in.scene.objects.size());
        return true;
    }
    if (first.text == "function") {
        source.Take();
        return (!source.Peek().IsSymbol('(') || SkipBalanced()) &&
               (!source.Peek().IsSymbol('{') || SkipBalanced());
    }
    if (block && !_in.expressions.Starts(first)) {
        const size_t index = _in.scene.objects.size();
        if (!_in.walker.DeclaredBlock(name)) {
            return false;
        }
        const bool found = _in.scene.objects.size() > index;
        _in.RecordName(name, line, found ? static_cast<int>(index) : -1, found);
        _in.walker.Declared(name, index, _in.scene.objects.size());
        return true;
    }
    _in.RecordName(name, line, -1, false);
    return _in.expressions.Starts(first) ? _in.expressions.Evaluate(value) : SkipStatement();
}

bool SdlDirectives::Assign(const PovToken& directive, const std::string& name,
                           const std::vector<size_t>& indices, SdlValue value) {
    const bool local = directive.text == "#local";
    if (indices.empty()) {
        local ? _in.scopes.Local(name, std::move(value))
              : _in.scopes.Declare(name, std::move(value));
        return true;
    }
    SdlValue* array = _in.scopes.Find(name);
    if (array == nullptr || array->kind != SdlValue::Array ||
        array->array->dims.size() != indices.size()) {
        return _in.Fail(directive.line, name + " is not an array of " +
                                            std::to_string(indices.size()) + " dimensions");
    }
    size_t offset = 0;
    SdlArray& elements = array->OwnArray();
    for (size_t d = 0; d < indices.size(); ++d) {
        const size_t size = static_cast<size_t>(elements.dims[d]);
        if (indices[d] >= size) {
            return _in.Fail(directive.line,
                            Printed("the index %zu is outside the array %s (0 to %zu)", indices[d],
                                    name.c_str(), size - 1));
        }
        offset = offset * size + indices[d];
    }
    elements.items[offset] = std::move(value);
    return true;
}

// A value the importer does not evaluate (a colour, say) ends at ';', at a directive, at a
// block or at the brace that closes the one it stands in.
bool SdlDirectives::SkipStatement() {
    SdlSource& source = _in.source;
    int depth = 0;
    for (;;) {
        const PovToken& token = source.Peek();
        if (token.kind == PovToken::End || token.kind == PovToken::Directive ||
            (depth == 0 && (token.IsSymbol(';') || token.IsSymbol('}') ||
                            (token.kind == PovToken::Word && source.Second().IsSymbol('{'))))) {
            return true;
        }
        depth += token.IsSymbol('(') ? 1 : token.IsSymbol(')') ? -1 : 0;
        source.Take();
    }
}

bool SdlDirectives::SkipBalanced() {
    SdlSource& source = _in.source;
    const PovToken open = source.Take();
    const char close = open.IsSymbol('(') ? ')' : '}';
    for (int depth = 1; depth > 0;) {
        const PovToken token = source.Take();
        if (token.kind == PovToken::End) {
            return _in.Fail(open.line, "the block that begins here never ends");
        }
        depth += token.IsSymbol(open.text[0]) ? 1 : token.IsSymbol(close) ? -1 : 0;
    }
    return true;
}

bool SdlDirectives::Undefine(const PovToken& directive) {
    const PovToken name = _in.source.Take();
    if (name.kind != PovToken::Word) {
        return _in.Fail(directive.line, "#undef needs an identifier");
    }
    _in.scopes.Undefine(name.text);
    return true;
}

bool SdlDirectives::Version() {
    if (!_in.expressions.Float(_in.version)) {
        return false;
    }
    if (_in.source.Peek().IsSymbol(';')) {
        _in.source.Take();
    }
    return true;
}

// An include file is read only when it stands beside the scene; the standard ones that come
// with the ray tracer are not, and what they declare stays undeclared.
bool SdlDirectives::Include(const PovToken& directive) {
    SdlValue name;
    if (!_in.expressions.Evaluate(name)) {
        return false;
    }
    if (name.kind != SdlValue::String) {
        return _in.Fail(directive.line, "#include needs a file name");
    }
    if (_in.source.FramesOf(SdlFrame::Include) >= SdlLimits::IncludeDepth) {
        return _in.FailAtBound(directive.line, "include files are read at most " +
                                                   std::to_string(SdlLimits::IncludeDepth) +
                                                   " deep; the import stops");
    }
    size_t file = 0;
    auto known = _included.find(name.text);
    if (known != _included.end()) {
        file = known->second;
    } else if (!ReadInclude(directive, name.text, file)) {
        return !_in.Failed();
    }
    _in.scopes.Push();
    _in.control.EnterFrame(directive.line);
    _in.source.Enter(_in.source.WholeFile(SdlFrame::Include, file));
    return true;
}

bool SdlDirectives::ReadInclude(const PovToken& directive, const std::string& name, size_t& file) {
    const bool beside = !_in.folder.empty() && name.find("..") == std::string::npos &&
                        !name.empty() && name[0] != '/';
    const std::string path = _in.folder + "/" + name;
    std::string text;
    std::string why;
    if (!beside || access(path.c_str(), F_OK) != 0) {
        if (_noted.insert("#include " + name).second) {
            _skipped += (_skipped.empty() ? "" : ", ") + name;
        }
        return false;
    }
    if (!BoundedFile::Read(path.c_str(), BoundedFile::DocumentLimit, text, why)) {
        _in.Note(directive.line, "the include file " + name + " is not read (" + why +
                                     "): what it declares stays undeclared");
        return false;
    }
    if (!_in.source.AddFile(name, std::move(text), file, why)) {
        return _in.Fail(directive.line, name + ": " + why);
    }
    _included[name] = file;
    return true;
}

bool SdlDirectives::Message(const PovToken& directive) {
    SdlValue text;
    if (!_in.expressions.Evaluate(text)) {
        return false;
    }
    const std::string said = text.kind == SdlValue::String ? text.text : "";
    if (directive.text == "#error") {
        return _in.Fail(directive.line, "the scene stops with its own error: " + said);
    }
    if (directive.text == "#debug" && _in.scene.debug.size() + said.size() <= DebugLimit) {
        _in.scene.debug += said;
    }
    return true;
}

// File and program directives, #default and anything unknown: passed over, said once.
bool SdlDirectives::SkipUnrun(const PovToken& directive) {
    SdlSource& source = _in.source;
    const bool files = IsAny(directive, {"#fopen", "#fclose", "#read", "#write"});
    if (_noted.insert(files ? "files" : std::string(directive.text)).second) {
        _in.Note(directive.line,
                 std::string(directive.text) +
                     (files ? " is not run: the importer reads and writes no files for a scene"
                            : " is not known to the importer and is passed over"));
    }
    if (directive.text == "#fopen") {
        source.Take();
        SdlValue name;
        return _in.expressions.Evaluate(name) && (source.Take(), true);
    }
    if (directive.text == "#fclose") {
        source.Take();
        return true;
    }
    const PovToken& next = source.Peek();
    return !(next.IsSymbol('(') || next.IsSymbol('{')) || SkipBalanced();
}

void SdlDirectives::NoteSkipped() {
    if (!_skipped.empty()) {
        _in.scene.notes.insert(_in.scene.notes.begin(),
                               "Include files not read (standard ones, or not beside the scene): " +
                                   _skipped + "; what they declare stays undeclared");
    }
}
