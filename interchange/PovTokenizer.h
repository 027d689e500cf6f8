#pragma once

#include <string>

#include "interchange/PovToken.h"

// Splits POV-Ray scene text into tokens with their line numbers, one at a time, passing over
// line comments and block comments (which nest, as the ray tracer reads them). A string may
// run over several lines, as the ray tracer allows. At the end of the
// text, and after a comment or string that never ends, every further token is an End token;
// Error() then tells which of the two.
class PovTokenizer {
public:
    explicit PovTokenizer(const std::string& text) : _text(text) {}
    // Goes on from a place of the text: the start of a token found before, and its line.
    PovTokenizer(const std::string& text, size_t at, int line)
        : _text(text), _at(at), _line(line) {}

    PovToken Next();
    // Why the tokens ended early; empty when the text ended.
    const std::string& Error() const { return _error; }

private:
    char At(size_t offset = 0) const {
        return _at + offset < _text.size() ? _text[_at + offset] : '\0';
    }
    void Advance();
    bool SkipBlanksAndComments();
    bool SkipBlockComment();
    void TakeNumber();
    bool TakeString();

    const std::string& _text;
    size_t _at = 0;
    int _line = 1;
    std::string _error;
};
