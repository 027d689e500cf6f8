#include "interchange/PovTokenizer.h"

#include <cctype>
#include <cmath>
#include <cstdlib>

#include "interchange/ImportReport.h"

namespace {

bool IsDigit(char c) {
    return std::isdigit(static_cast<unsigned char>(c)) != 0;
}

bool IsWordChar(char c) {
    return std::isalnum(static_cast<unsigned char>(c)) != 0 || c == '_';
}

class PovTokenizing {
public:
    PovTokenizing(const std::string& text, std::vector<PovToken>& tokens)
        : _text(text), _tokens(tokens) {}

    bool Run(std::string& error) {
        while (SkipBlanksAndComments(error)) {
            if (_at >= _text.size()) {
                _tokens.push_back(PovToken{PovToken::End, "", 0, _line});
                return true;
            }
            if (!TakeToken(error)) {
                return false;
            }
        }
        return false;
    }

private:
    char At(size_t offset = 0) const {
        return _at + offset < _text.size() ? _text[_at + offset] : '\0';
    }

    void Advance() {
        _line += _text[_at] == '\n' ? 1 : 0;
        ++_at;
    }

    bool SkipBlanksAndComments(std::string& error) {
        while (_at < _text.size()) {
            if (std::isspace(static_cast<unsigned char>(At())) != 0) {
                Advance();
            } else if (At() == '/' && At(1) == '/') {
                while (_at < _text.size() && At() != '\n') {
                    Advance();
                }
            } else if (At() == '/' && At(1) == '*') {
                if (!SkipBlockComment(error)) {
                    return false;
                }
            } else {
                break;
            }
        }
        return true;
    }

    bool SkipBlockComment(std::string& error) {
        int begins = _line;
        int depth = 0;
        do {
            if (_at >= _text.size()) {
                error = Printed("line %d: the comment that begins here never ends", begins);
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

    bool TakeToken(std::string& error) {
        size_t begin = _at;
        PovToken token{PovToken::Symbol, "", 0, _line};
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
            if (!TakeString(error)) {
                return false;
            }
        } else {
            Advance();
        }
        token.text = _text.substr(begin, _at - begin);
        if (token.kind == PovToken::Number) {
            token.value = std::strtod(token.text.c_str(), nullptr);
        }
        _tokens.push_back(token);
        return true;
    }

    void TakeNumber() {
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

    bool TakeString(std::string& error) {
        int begins = _line;
        for (Advance(); At() != '"'; Advance()) {
            if (_at >= _text.size() || At() == '\n') {
                error = Printed("line %d: the string that begins here never ends", begins);
                return false;
            }
            if (At() == '\\' && At(1) != '\0') {
                Advance();
            }
        }
        Advance();
        return true;
    }

    const std::string& _text;
    std::vector<PovToken>& _tokens;
    size_t _at = 0;
    int _line = 1;
};

}  // namespace

bool TokenizePovScene(const std::string& text, std::vector<PovToken>& tokens, std::string& error) {
    return PovTokenizing(text, tokens).Run(error);
}
