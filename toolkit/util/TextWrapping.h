#pragma once

#include <string>

// The text with every line longer than `columns` characters broken into lines of at most that
// many: after the last blank that fits (the blank goes), or, in a word longer than a line (a
// path), at the limit itself. Lines that fit and the line ends given stay as they are; a
// character of several UTF-8 bytes counts once and is never split.
std::string WrappedText(const std::string& text, size_t columns);
