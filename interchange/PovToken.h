#pragma once

#include <string_view>

// One token of POV-Ray scene text: a word (keyword or identifier), a directive such as
// "#declare", a number literal without sign, a string, or a single other character. Its text
// points into the scene text, which outlives it.
struct PovToken {
    enum Kind { End, Word, Directive, Number, String, Symbol };

    Kind kind = End;
    std::string_view text;
    double value = 0;
    int line = 0;

    bool Is(Kind k, const char* t) const { return kind == k && text == t; }
    bool IsSymbol(char c) const { return kind == Symbol && text.size() == 1 && text[0] == c; }
};
