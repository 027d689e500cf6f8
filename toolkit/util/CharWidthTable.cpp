#include "toolkit/util/CharWidthTable.h"

namespace {

// Characters 32..126 in order.
constexpr unsigned char kWidths[95] = {
    2, 2, 3, 4, 4, 5, 3, 2, 3, 3, 3, 4, 2, 3, 2, 3,  //  !"#$%&'()*+,-./
    4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 2, 2, 4, 4, 4, 4,  // 0123456789:;<=>?
    6, 5, 5, 5, 5, 5, 4, 5, 5, 2, 4, 4, 4, 6, 5, 5,  // @ABCDEFGHIJKLMNO
    5, 5, 5, 5, 5, 5, 5, 7, 4, 5, 4, 3, 3, 3, 4, 4,  // PQRSTUVWXYZ[\]^_
    3, 4, 4, 4, 4, 4, 2, 4, 4, 2, 2, 4, 2, 5, 4, 4,  // `abcdefghijklmno
    4, 4, 3, 4, 2, 4, 4, 5, 4, 4, 4, 3, 2, 3, 5,     // pqrstuvwxyz{|}~
};

}  // namespace

int CharWidthTable::Width(unsigned char c) {
    if (c < 32 || c > 126) {
        return 4;
    }
    return kWidths[c - 32];
}

int CharWidthTable::TextWidth(const char* text) {
    int sum = 0;
    for (const char* p = text; p != nullptr && *p != '\0'; ++p) {
        sum += Width(static_cast<unsigned char>(*p));
    }
    return sum;
}
