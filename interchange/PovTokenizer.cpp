#include "interchange/PovTokenizer.h"

#include <cctype>
#include <cstdlib>

#include "interchange/ImportReport.h"

namespace {

bool IsDigit(char c) {
    return std::isdigit(static_cast<unsigned char>(c)) != 0;
}

bool IsWordChar(char c) {
    return std::isalnum(static_cast<unsigned char>(c)) != 0 || c == '_';
}

}  // namespace

void PovTokenizer::Advance() {
    _line += _text[_at] == '\n' ? 1 : 0;
    ++_at;
}

bool PovTokenizer::SkipBlanksAndComments() {
    while (_at < _text.size()) {
        if (std::isspace(static_cast<unsigned char>(At())) != 0) {
            Advance();
        } else if (At() == '/' && At(1) == '/') {
            while (_at < _text.size() && At() != '\n') {
                Advance();
            }
        } else if (At() == '/' && At(1) == '*') {
            if (!SkipBlockComment()) {
                return false;
            }
        } else {
            break;
        }
    }
    return true;
}

bool PovTokenizer::SkipBlockComment() {
    int begins = _line;
    int depth = 0;
    do {
        if (_at >= _text.size()) {
            _error = Printed("line %d: the comment that begins here never ends", begins);
            return false;
        }
        if (At() == '/' && At(1) == '*') {
            ++depth;
            Advance();
        } else if (At() == '*' && At(1) == '/') {
            --depth;
            Advance();
        }
        Advance();
    } while (depth > 0);
    return true;
}

PovToken PovTokenizer::Next() {
    if (!_error.empty() || !SkipBlanksAndComments() || _at >= _text.size()) {
        return PovToken{PovToken::End, {}, 0, _line};
    }
    size_t begin = _at;
    PovToken token{PovToken::Symbol, {}, 0, _line};
    if (IsWordChar(At()) && !IsDigit(At())) {
        token.kind = PovToken::Word;
        while (IsWordChar(At())) {
            Advance();
        }
    } else if (At() == '#' && IsWordChar(At(1))) {
        token.kind = PovToken::Directive;
        for (Advance(); IsWordChar(At());) {
            Advance();
        }
    } else if (IsDigit(At()) || (At() == '.' && IsDigit(At(1)))) {
        token.kind = PovToken::Number;
        TakeNumber();
    } else if (At() == '"') {
        token.kind = PovToken::String;
        if (!TakeString()) {
            return PovToken{PovToken::End, {}, 0, _line};
        }
    } else {
        Advance();
    }
    token.text = std::string_view(_text).substr(begin, _at - begin);
    if (token.kind == PovToken::Number) {
        token.value = std::strtod(std::string(token.text).c_str(), nullptr);
    }
    return token;
}

void PovTokenizer::TakeNumber() {
    while (IsDigit(At())) {
        Advance();
    }
    if (At() == '.') {
        for (Advance(); IsDigit(At());) {
            Advance();
        }
    }
    size_t sign = At(1) == '+' || At(1) == '-' ? 1 : 0;
    if ((At() == 'e' || At() == 'E') && IsDigit(At(1 + sign))) {
        for (size_t i = 0; i <= sign; ++i) {
            Advance();
        }
        while (IsDigit(At())) {
            Advance();
        }
    }
}

bool PovTokenizer::TakeString() {
    int begins = _line;
    for (Advance(); At() != '"'; Advance()) {
        if (_at >= _text.size()) {
            _error = Printed("line %d: the string that begins here never ends", begins);
            return false;
        }
        if (At() == '\\' && At(1) != '\0') {
            Advance();
        }
    }
    Advance();
    return true;
}
