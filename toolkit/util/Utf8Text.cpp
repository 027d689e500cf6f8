#include "toolkit/util/Utf8Text.h"

#include <cstring>

namespace {

// A character takes at most four bytes: a lead byte and up to three that continue it.
constexpr int MostContinuing = 3;

bool Continues(char byte) {
    return (static_cast<unsigned char>(byte) & 0xC0) == 0x80;
}

bool Leads(char byte) {
    return (static_cast<unsigned char>(byte) & 0xC0) == 0xC0;
}

}  // namespace

size_t Utf8Prefix(const char* text, size_t limit) {
    size_t length = strnlen(text, limit);
    if (length < limit || !Continues(text[length])) {
        return length;
    }
    size_t start = length;
    for (int back = 0; back < MostContinuing && start > 0 && Continues(text[start]); ++back) {
        --start;
    }
    return Leads(text[start]) ? start : length;
}

void CopyUtf8(char* buffer, size_t size, const char* text) {
    if (size == 0) {
        return;
    }
    size_t length = Utf8Prefix(text, size - 1);
    std::memmove(buffer, text, length);
    buffer[length] = '\0';
}
