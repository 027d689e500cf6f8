#include "interchange/SdlControl.h"

#include <cmath>

#include "interchange/ImportReport.h"
#include "interchange/SdlInterpreter.h"
#include "interchange/SdlLimits.h"

namespace {

constexpr double Epsilon = 1e-10;

bool IsOneOf(const PovToken& token, const std::vector<const char*>& names) {
    for (const char* name : names) {
        if (token.text == name) {
            return true;
        }
    }
    return false;
}

const std::vector<const char*> Openers = {"#if",  "#ifdef",  "#ifndef", "#while",
                                          "#for", "#switch", "#macro"};

}  // namespace

bool SdlControl::Handles(const PovToken& directive) {
    return IsOneOf(directive, {"#if", "#ifdef", "#ifndef", "#else", "#elseif", "#switch", "#case",
                               "#range", "#break", "#while", "#for", "#end"});
}

bool SdlControl::Execute(const PovToken& directive) {
    _in.source.Take();
    const std::string_view name = directive.text;
    bool truth = false;
    if (name == "#if") {
        return _in.expressions.Condition(truth) && Branch(directive, truth);
    }
    if (name == "#ifdef" || name == "#ifndef") {
        return IfDefined(directive);
    }
    if (name == "#else" || name == "#elseif" || name == "#case" || name == "#range") {
        return InsideBranch(directive);
    }
    if (name == "#switch") {
        return Switch(directive);
    }
    if (name == "#while") {
        return While(directive);
    }
    if (name == "#for") {
        return For(directive);
    }
    return name == "#break" ? Break(directive) : End(directive);
}

bool SdlControl::IfDefined(const PovToken& directive) {
    SdlSource& source = _in.source;
    const PovToken open = source.Take();
    const PovToken name = source.Take();
    const PovToken close = source.Take();
    if (!open.IsSymbol('(') || name.kind != PovToken::Word || !close.IsSymbol(')')) {
        return _in.Fail(directive.line, std::string(directive.text) + " takes (Identifier)");
    }
    const bool defined = _in.scopes.Find(name.text) != nullptr || _in.macros.Has(name.text);
    return Branch(directive, defined == (directive.text == "#ifdef"));
}

bool SdlControl::Branch(const PovToken& directive, bool truth) {
    while (!truth) {
        const PovToken stop = SkipTo({"#else", "#elseif", "#end"}, directive.line, "#if");
        if (stop.kind == PovToken::End || stop.text == "#end") {
            return stop.kind != PovToken::End;
        }
        if (stop.text == "#else") {
            break;
        }
        if (!_in.expressions.Condition(truth)) {
            return false;
        }
    }
    _blocks.push_back({Block::If, directive.line, {}, "", 0, 1});
    return true;
}

// #else, #elseif, #case or #range met in the branch being run: an #if's branch ends there, a
// #switch's case falls through into the next one, as the ray tracer's does.
bool SdlControl::InsideBranch(const PovToken& directive) {
    if (!_blocks.empty() && _blocks.back().kind == Block::Switch) {
        bool matches = false;
        return directive.text == "#else" || CaseMatches(directive, 0, matches);
    }
    if (_blocks.empty() || _blocks.back().kind != Block::If || directive.text == "#case" ||
        directive.text == "#range") {
        return _in.Fail(directive.line, std::string(directive.text) + " outside its block");
    }
    const int line = _blocks.back().line;
    _blocks.pop_back();
    return SkipToEnd(line, "#if");
}

bool SdlControl::Switch(const PovToken& directive) {
    double value = 0;
    if (!_in.expressions.Float(value)) {
        return false;
    }
    for (;;) {
        const PovToken stop =
            SkipTo({"#case", "#range", "#else", "#end"}, directive.line, "#switch");
        if (stop.kind == PovToken::End || stop.text == "#end") {
            return stop.kind != PovToken::End;
        }
        bool matches = stop.text == "#else";
        if (!matches && !CaseMatches(stop, value, matches)) {
            return false;
        }
        if (matches) {
            _blocks.push_back({Block::Switch, directive.line, {}, "", 0, 1});
            return true;
        }
    }
}

bool SdlControl::CaseMatches(const PovToken& directive, double value, bool& matches) {
    double low = 0;
    if (directive.text == "#case") {
        if (!_in.expressions.Float(low)) {
            return false;
        }
        matches = std::fabs(low - value) <= Epsilon;
        return true;
    }
    double high = 0;
    SdlSource& source = _in.source;
    if (!source.Take().IsSymbol('(') || !_in.expressions.Float(low) ||
        !source.Take().IsSymbol(',') || !_in.expressions.Float(high) ||
        !source.Take().IsSymbol(')')) {
        return _in.Failed() || _in.Fail(directive.line, "#range takes (Low, High)");
    }
    matches = low <= value && value <= high;
    return true;
}

bool SdlControl::While(const PovToken& directive) {
    const SdlPlace at = _in.source.Place();
    bool truth = false;
    if (!_in.expressions.Condition(truth)) {
        return false;
    }
    if (!truth) {
        return SkipToEnd(directive.line, "#while");
    }
    _blocks.push_back({Block::While, directive.line, at, "", 0, 1});
    return true;
}

// #for (Identifier, Start, End [, Step])
bool SdlControl::For(const PovToken& directive) {
    SdlSource& source = _in.source;
    Block block{Block::For, directive.line, {}, "", 0, 1};
    double start = 0;
    const PovToken open = source.Take();
    const PovToken name = source.Take();
    bool read = open.IsSymbol('(') && name.kind == PovToken::Word && source.Take().IsSymbol(',') &&
                _in.expressions.Float(start) && source.Take().IsSymbol(',') &&
                _in.expressions.Float(block.end);
    if (read && source.Peek().IsSymbol(',')) {
        source.Take();
        read = _in.expressions.Float(block.step);
    }
    if (!read || !source.Take().IsSymbol(')') || block.step == 0) {
        return _in.Failed() ||
               _in.Fail(directive.line, "#for takes (Identifier, Start, End, Step), Step not 0");
    }
    block.variable = std::string(name.text);
    block.at = source.Place();
    _in.scopes.Local(block.variable, SdlValue::Number(start));
    if (!ForGoesOn(block, start)) {
        return SkipToEnd(directive.line, "#for");
    }
    _blocks.push_back(block);
    return true;
}

bool SdlControl::ForGoesOn(const Block& block, double value) const {
    return block.step > 0 ? value <= block.end + Epsilon : value >= block.end - Epsilon;
}

bool SdlControl::End(const PovToken& directive) {
    if (_blocks.empty() || _blocks.back().kind == Block::Frame) {
        return _in.Fail(directive.line, "#end with no block to end");
    }
    if (_blocks.back().kind == Block::If || _blocks.back().kind == Block::Switch) {
        _blocks.pop_back();
        return true;
    }
    return Loop(_blocks.back());
}

bool SdlControl::Loop(Block& block) {
    if (!Iterate(block)) {
        return false;
    }
    if (block.kind == Block::While) {
        _in.source.JumpTo(block.at);
        bool truth = false;
        if (!_in.expressions.Condition(truth)) {
            return false;
        }
        if (!truth) {
            const int line = block.line;
            _blocks.pop_back();
            return SkipToEnd(line, "#while");
        }
        return true;
    }
    SdlValue* variable = _in.scopes.Find(block.variable);
    if (variable == nullptr || variable->kind != SdlValue::Float) {
        return _in.Fail(block.line, "the #for loop's identifier is no longer a float");
    }
    *variable = SdlValue::Number(variable->v[0] + block.step);
    if (ForGoesOn(block, variable->v[0])) {
        _in.source.JumpTo(block.at);
    } else {
        _blocks.pop_back();
    }
    return true;
}

bool SdlControl::Iterate(const Block& block) {
    if (++_iterations <= SdlLimits::Iterations) {
        return true;
    }
    return _in.FailAtBound(block.line, "the loop that begins here goes round more than " +
                                           Grouped(SdlLimits::Iterations) +
                                           " times in all; the import stops");
}

bool SdlControl::Break(const PovToken& directive) {
    size_t k = _blocks.size();
    while (k > 0 && _blocks[k - 1].kind == Block::If) {
        --k;
    }
    if (k == 0 || _blocks[k - 1].kind == Block::Frame) {
        return _in.Fail(directive.line, "#break outside #switch, #while and #for");
    }
    for (size_t n = _blocks.size(); n >= k; --n) {
        if (!SkipToEnd(_blocks[n - 1].line, "block")) {
            return false;
        }
    }
    _blocks.resize(k - 1);
    return true;
}

void SdlControl::EnterFrame(int line) {
    _blocks.push_back({Block::Frame, line, {}, "", 0, 1});
}

void SdlControl::LeaveFrame(const SdlFrame& frame) {
    while (!_blocks.empty() && _blocks.back().kind != Block::Frame) {
        _in.Fail(_blocks.back().line,
                 frame.kind == SdlFrame::Macro
                     ? "the block that begins here is not ended inside its macro"
                     : "the block that begins here is not ended inside its file");
        _blocks.pop_back();
    }
    if (!_blocks.empty()) {
        _blocks.pop_back();
    }
}

bool SdlControl::AllClosed() {
    return _blocks.empty() ||
           _in.Fail(_blocks.back().line, "the block that begins here never ends");
}

bool SdlControl::SkipToEnd(int line, const char* what, size_t* endsAt) {
    const PovToken end = SkipTo({"#end"}, line, what);
    if (endsAt != nullptr && end.kind != PovToken::End) {
        *endsAt = _in.source.Offset(end);
    }
    return end.kind != PovToken::End;
}

PovToken SdlControl::SkipTo(const std::vector<const char*>& stops, int line, const char* what) {
    int depth = 0;
    for (;;) {
        const PovToken token = _in.source.TakeInFrame();
        if (token.kind == PovToken::End) {
            _in.Fail(line, Printed("the %s that begins here never ends", what));
            return token;
        }
        if (token.kind != PovToken::Directive) {
            continue;
        }
        if (IsOneOf(token, Openers)) {
            ++depth;
        } else if (depth > 0) {
            depth -= token.text == "#end" ? 1 : 0;
        } else if (IsOneOf(token, stops)) {
            return token;
        }
    }
}
