#pragma once

#include <cstddef>

// Reads the pieces shared by SVG's attribute grammars (path data, point lists, transform
// lists): numbers, arc flags, and the blanks and commas between them.
class SvgScanner {
public:
    explicit SvgScanner(const char* text) : _text(text), _at(text) {}

    bool AtEnd() const { return *_at == '\0'; }
    char Peek() const { return *_at; }
    void Skip() { ++_at; }
    // Takes the character when it is next; false otherwise.
    bool Take(char c);
    size_t Offset() const { return static_cast<size_t>(_at - _text); }

    void SkipSpace();
    // Blanks, at most one comma, blanks.
    void SkipCommaSpace();
    // True when the next character may begin a number.
    bool AtNumber() const;
    // A number such as 12, -3.5, .5, 1e-3 or 2.E+4: it ends where the grammar says, so ".5.5"
    // is two numbers and "-1-2" too. False, without moving, when there is no finite number.
    bool Number(double& value);
    // An arc flag: a single "0" or "1", which needs no separator after it.
    bool Flag(bool& value);

private:
    const char* _text;
    const char* _at;
};
