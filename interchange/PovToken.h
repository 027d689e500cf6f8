#pragma once

#include <string>

// One token of POV-Ray scene text: a word (keyword or identifier), a directive such as
// "#declare", a number literal without sign, a string, or a single other character.
struct PovToken {
    enum Kind { End, Word, Directive, Number, String, Symbol };

    Kind kind = End;
    std::string text;
    double value = 0;
    int line = 0;

    bool Is(Kind k, const char* t) const { return kind == k && text == t; }
    bool IsSymbol(char c) const { return kind == Symbol && text.size() == 1 && text[0] == c; }
};
