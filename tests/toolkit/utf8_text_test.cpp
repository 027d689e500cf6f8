#include <gtest/gtest.h>

#include <string>

#include "toolkit/util/Utf8Text.h"

namespace {

TEST(Utf8Text, CutsOnlyBetweenCharacters) {
    const std::string e = "\xc3\xa9";             // two bytes
    const std::string euro = "\xe2\x82\xac";      // three
    const std::string face = "\xf0\x9f\x98\x80";  // four
    const struct {
        std::string text;
        size_t limit;
        size_t length;
    } cases[] = {
        {"plain", 3, 3},
        {"short", 9, 5},
        {"a" + e, 2, 1},
        {"a" + e, 3, 3},
        {euro + euro, 4, 3},
        {euro + euro, 5, 3},
        {euro + euro, 6, 6},
        {face + "x", 3, 0},
        {face + "x", 4, 4},
        {"ab" + face, 5, 2},
        // Text that is not UTF-8 is cut at the limit: a byte of Latin-1, stray continuations.
        {"caf\xe9s", 4, 4},
        {"\x80\x80\x80\x80\x80", 2, 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text + " at " + std::to_string(c.limit));
        EXPECT_EQ(Utf8Prefix(c.text.c_str(), c.limit), c.length);
        char buffer[16] = "not copied";
        CopyUtf8(buffer, c.limit + 1, c.text.c_str());
        EXPECT_EQ(std::string(buffer), c.text.substr(0, c.length));
    }
}

}  // namespace
