#pragma once

// Estimated widths in dialog units of the printable characters of the dialog font, used to size
// labels and boxed labels before any window exists.
class CharWidthTable {
public:
    // Width of one character; bytes outside 32..126 count 4.
    static int Width(unsigned char c);
    // Sum of the widths of every character of text (0 for null).
    static int TextWidth(const char* text);
};
