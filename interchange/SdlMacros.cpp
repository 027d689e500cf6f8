#include "interchange/SdlMacros.h"

#include <algorithm>

#include "interchange/PovImport.h"
#include "interchange/PovTokenizer.h"
#include "interchange/SdlInterpreter.h"
#include "interchange/SdlLimits.h"

bool SdlMacros::Has(std::string_view name) const {
    return _macros.count(std::string(name)) > 0;
}

// #macro Name(A, B, optional C) ... #end
bool SdlMacros::Define() {
    SdlSource& source = _in.source;
    const PovToken directive = source.Take();
    const PovToken name = source.Take();
    Macro macro;
    macro.name = std::string(name.text);
    macro.line = directive.line;
    if (name.kind != PovToken::Word || !Parameters(macro)) {
        return _in.Failed() || _in.Fail(directive.line, "#macro takes Name(Parameters)");
    }
    macro.file = source.FileIndex();
    macro.begin = source.Place();
    if (!_in.control.SkipToEnd(directive.line, "#macro", &macro.end)) {
        return false;
    }
    if (_macros.count(macro.name) == 0) {
        _order.push_back(macro.name);
    }
    _macros[macro.name] = macro;
    return true;
}

bool SdlMacros::Parameters(Macro& macro) {
    SdlSource& source = _in.source;
    if (!source.Take().IsSymbol('(')) {
        return false;
    }
    for (PovToken token = source.Take(); !token.IsSymbol(')'); token = source.Take()) {
        if (token.Is(PovToken::Word, "optional")) {
            ++macro.optional;
        } else if (token.kind == PovToken::Word) {
            macro.parameters.emplace_back(token.text);
        } else if (!token.IsSymbol(',')) {
            return false;
        }
    }
    return true;
}

bool SdlMacros::Invoke() {
    SdlSource& source = _in.source;
    const PovToken name = source.Take();
    Macro& macro = _macros[std::string(name.text)];
    if (source.FramesOf(SdlFrame::Macro) >= SdlLimits::MacroDepth) {
        return _in.FailAtBound(name.line, "macros are invoked more than " +
                                              std::to_string(SdlLimits::MacroDepth) +
                                              " deep; the import stops");
    }
    Call call;
    _in.scopes.Push();
    if (!BindArguments(macro, name.line, call)) {
        _in.scopes.Pop();
        return false;
    }
    macro.invoked = true;
    _calls.push_back(call);
    _in.control.EnterFrame(name.line);
    source.Enter({SdlFrame::Macro, macro.file, macro.begin, macro.end});
    return true;
}

// The arguments are evaluated in the caller's scope, then bound in the macro's new table.
bool SdlMacros::BindArguments(const Macro& macro, int line, Call& call) {
    SdlSource& source = _in.source;
    source.Take();
    std::vector<SdlValue> values;
    std::vector<std::string> identifiers;
    while (!source.Peek().IsSymbol(')')) {
        const PovToken& first = source.Peek();
        const bool bare = first.kind == PovToken::Word && _in.scopes.Find(first.text) != nullptr &&
                          (source.Second().IsSymbol(',') || source.Second().IsSymbol(')'));
        identifiers.push_back(bare ? std::string(first.text) : "");
        values.emplace_back();
        if (!_in.expressions.Evaluate(values.back())) {
            return false;
        }
        if (source.Peek().IsSymbol(',')) {
            source.Take();
        } else if (!source.Peek().IsSymbol(')')) {
            return _in.Fail(line, "',' or ')' expected in the arguments of " + macro.name);
        }
    }
    source.Take();
    const size_t least =
        macro.parameters.size() - std::min(macro.optional, macro.parameters.size());
    if (values.size() < least || values.size() > macro.parameters.size()) {
        return _in.Fail(line, macro.name + " takes " + std::to_string(macro.parameters.size()) +
                                  " arguments, not " + std::to_string(values.size()));
    }
    for (size_t i = 0; i < values.size(); ++i) {
        _in.scopes.Local(macro.parameters[i], values[i]);
        if (!identifiers[i].empty()) {
            call.references.push_back({macro.parameters[i], identifiers[i]});
        }
    }
    return true;
}

void SdlMacros::Leave() {
    std::vector<std::pair<std::string, SdlValue>> back;
    if (!_calls.empty()) {
        for (const Reference& reference : _calls.back().references) {
            if (const SdlValue* value = _in.scopes.Find(reference.parameter)) {
                back.emplace_back(reference.identifier, *value);
            }
        }
        _calls.pop_back();
    }
    _in.scopes.Pop();
    for (auto& [identifier, value] : back) {
        _in.scopes.Declare(identifier, std::move(value));
    }
}

void SdlMacros::ReportUnreached() {
    for (const std::string& name : _order) {
        const Macro& macro = _macros[name];
        if (!macro.invoked) {
            NoteObjects(macro);
        }
    }
}

// Each object keyword of the body, with the parameters named between its braces.
void SdlMacros::NoteObjects(const Macro& macro) {
    const std::string& text = _in.source.Text(macro.file);
    std::vector<PovToken> body;
    PovTokenizer tokenizer(text, macro.begin.at, macro.begin.line);
    for (PovToken token = tokenizer.Next();
         token.kind != PovToken::End &&
         static_cast<size_t>(token.text.data() - text.data()) < macro.end;
         token = tokenizer.Next()) {
        body.push_back(token);
    }
    for (size_t i = 0; i + 1 < body.size(); ++i) {
        if (IsObjectKeyword(body[i]) && body[i + 1].IsSymbol('{')) {
            const bool declared = i >= 3 && body[i - 1].IsSymbol('=') &&
                                  body[i - 2].kind == PovToken::Word &&
                                  (body[i - 3].text == "#declare" || body[i - 3].text == "#local");
            _in.scene.unreached.push_back({std::string(body[i].text), body[i].line, macro.name,
                                           UsedParameters(macro, body, i + 1),
                                           declared ? std::string(body[i - 2].text) : ""});
        }
    }
}

// The parameters named in the braces that begin at `open`, each once, in the order they come.
std::vector<std::string> SdlMacros::UsedParameters(const Macro& macro,
                                                   const std::vector<PovToken>& body,
                                                   size_t open) const {
    std::vector<std::string> used;
    const auto& parameters = macro.parameters;
    int depth = 0;
    for (size_t j = open; j < body.size(); ++j) {
        depth += body[j].IsSymbol('{') ? 1 : body[j].IsSymbol('}') ? -1 : 0;
        const std::string word(body[j].text);
        if (body[j].kind == PovToken::Word &&
            std::find(parameters.begin(), parameters.end(), word) != parameters.end() &&
            std::find(used.begin(), used.end(), word) == used.end()) {
            used.push_back(word);
        }
        if (depth == 0) {
            break;
        }
    }
    return used;
}
