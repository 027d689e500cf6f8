#pragma once

#include <clocale>

// Qt gives the C library the user's locale when its application starts. Under many languages
// numbers would then be printed and read with a decimal comma, and the program could neither
// read its own files nor write ones POV-Ray reads: numbers keep the C library's own notation.
inline void KeepNumbersPlain() {
    std::setlocale(LC_NUMERIC, "C");
}
