#include "interchange/ImportReport.h"

#include <cstdarg>
#include <cstdio>

void ImportReport::NoteAlike(const std::string& kind, const std::string& text) {
    Alike& alike = _alike[kind];
    ++alike.count;
    if (alike.count <= MaxAlike) {
        Note(text);
        return;
    }
    if (alike.count == MaxAlike + 1) {
        alike.more = notes.size();
        notes.emplace_back();
    }
    notes[alike.more] = "... and " + Grouped(alike.count - MaxAlike) + " more like it";
}

std::string Printed(const char* format, ...) {
    va_list args;
    va_start(args, format);
    va_list again;
    va_copy(again, args);
    int length = std::vsnprintf(nullptr, 0, format, args);
    va_end(args);
    std::string text(length > 0 ? static_cast<size_t>(length) : 0, '\0');
    std::vsnprintf(text.data(), text.size() + 1, format, again);
    va_end(again);
    return text;
}

std::string Grouped(long count) {
    std::string digits = std::to_string(count);
    size_t first = digits[0] == '-' ? 1 : 0;
    for (size_t at = digits.size(); at > first + 3; at -= 3) {
        digits.insert(at - 3, 1, ',');
    }
    return digits;
}
