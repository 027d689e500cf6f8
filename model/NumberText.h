#pragma once

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

// Numbers as the program writes them into its own files, and as it reads them from a file or
// from what a user typed. Header only: the dialogs read their fields with it.

// The shortest text that reads back as exactly the same number; minus zero is written as 0.
inline std::string ShortestText(double value) {
    value = value == 0 ? 0.0 : value;
    char text[40];
    for (int digits = 6; digits <= 17; ++digits) {
        std::snprintf(text, sizeof text, "%.*g", digits, value);
        if (std::strtod(text, nullptr) == value) {
            break;
        }
    }
    return text;
}

// The whole text as a finite number, blanks after it allowed when asked for; false, leaving
// value alone, for anything else.
inline bool ReadNumberText(const char* text, bool blanksAfter, double& value) {
    char* end = nullptr;
    const double read = std::strtod(text, &end);
    const char* rest = end;
    while (blanksAfter && (*rest == ' ' || *rest == '\t')) {
        ++rest;
    }
    if (end == text || *rest != '\0' || !std::isfinite(read)) {
        return false;
    }
    value = read;
    return true;
}

// The whole text as a finite number, as a file holds it.
inline bool ReadNumber(const char* text, double& value) {
    return ReadNumberText(text, false, value);
}

// The same for text typed into a field, which may end in blanks.
inline bool ReadTypedNumber(const char* text, double& value) {
    return ReadNumberText(text, true, value);
}
