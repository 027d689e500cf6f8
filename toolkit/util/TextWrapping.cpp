#include "toolkit/util/TextWrapping.h"

namespace {

bool StartsCharacter(char byte) {
    return (static_cast<unsigned char>(byte) & 0xC0) != 0x80;
}

// The byte offset just past `columns` characters of the line from `begin`, or `end`.
size_t PastColumns(const std::string& text, size_t begin, size_t end, size_t columns) {
    size_t counted = 0;
    for (size_t i = begin; i < end; ++i) {
        if (StartsCharacter(text[i]) && counted++ == columns) {
            return i;
        }
    }
    return end;
}

void AppendWrappedLine(const std::string& text, size_t begin, size_t end, size_t columns,
                       std::string& wrapped) {
    while (PastColumns(text, begin, end, columns) < end) {
        const size_t limit = PastColumns(text, begin, end, columns);
        const size_t blank = text.rfind(' ', limit);
        if (blank != std::string::npos && blank > begin) {
            wrapped.append(text, begin, blank - begin);
            begin = blank + 1;
        } else {
            wrapped.append(text, begin, limit - begin);
            begin = limit;
        }
        wrapped += '\n';
    }
    wrapped.append(text, begin, end - begin);
}

}  // namespace

std::string WrappedText(const std::string& text, size_t columns) {
    if (columns == 0) {
        return text;
    }
    std::string wrapped;
    size_t begin = 0;
    while (begin <= text.size()) {
        size_t end = text.find_first_of("\r\n", begin);
        if (end == std::string::npos) {
            end = text.size();
        }
        AppendWrappedLine(text, begin, end, columns, wrapped);
        if (end == text.size()) {
            break;
        }
        wrapped += text[end];
        begin = end + 1;
    }
    return wrapped;
}
