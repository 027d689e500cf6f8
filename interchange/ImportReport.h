#pragma once

#include <cstddef>
#include <map>
#include <string>
#include <vector>

// What an import has to tell the user: notes on what it changed to make the drawing fit, and
// the reason it gave up, if it did.
struct ImportReport {
    // Notes of one kind beyond this many are counted, not kept.
    static constexpr long MaxAlike = 10;

    std::vector<std::string> notes;
    std::string error;

    void Note(const std::string& text) { notes.push_back(text); }
    // A note of a kind that may come once for every element of a file: the first ones are kept,
    // then one more note says how many more like them there were.
    void NoteAlike(const std::string& kind, const std::string& text);
    // Records the reason and returns false, so that a failing step can end with it.
    bool Fail(const std::string& text) {
        error = text;
        return false;
    }

private:
    struct Alike {
        long count = 0;
        // Where the note counting the rest is, once there is one.
        size_t more = 0;
    };
    std::map<std::string, Alike> _alike;
};

// printf-style formatting into a string.
std::string Printed(const char* format, ...) __attribute__((format(printf, 1, 2)));

// A count with a comma between every three digits: "39,990".
std::string Grouped(long count);
