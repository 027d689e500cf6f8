#pragma once

#include <string>
#include <vector>

// What an import has to tell the user: notes on what it changed to make the drawing fit, and
// the reason it gave up, if it did.
struct ImportReport {
    std::vector<std::string> notes;
    std::string error;

    void Note(const std::string& text) { notes.push_back(text); }
    // Records the reason and returns false, so that a failing step can end with it.
    bool Fail(const std::string& text) {
        error = text;
        return false;
    }
};

// printf-style formatting into a string.
std::string Printed(const char* format, ...) __attribute__((format(printf, 1, 2)));
