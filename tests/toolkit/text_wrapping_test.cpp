#include <gtest/gtest.h>

#include <string>

#include "support/TestRandom.h"
#include "toolkit/util/TextWrapping.h"

TEST(TextWrapping, BreaksOnlyLinesTooLong) {
    const struct {
        const char* text;
        const char* wrapped;
    } cases[] = {
        {"ten chars!", "ten chars!"},
        {"one two three four", "one two\nthree four"},
        {"exactly ten", "exactly\nten"},
        {"/a/very/long/path: reason", "/a/very/lo\nng/path:\nreason"},
        {"short\n\nkept lines", "short\n\nkept lines"},
        {"é é é é é é", "é é é é é\né"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(WrappedText(c.text, 10), c.wrapped) << c.text;
    }
}

// Whatever the text, no line is longer than the limit and no character is lost but the blanks
// the lines were broken at.
TEST(TextWrapping, KeepsEveryWordWithinTheWidth) {
    TestRandom random(7);
    for (int round = 0; round < 500; ++round) {
        const char alphabet[] = "  \nabcab";
        std::string text;
        for (int length = random.Between(0, 200); length > 0; --length) {
            text += alphabet[random.Below(sizeof alphabet - 1)];
        }
        const size_t columns = static_cast<size_t>(random.Between(1, 30));
        const std::string wrapped = WrappedText(text, columns);
        size_t line = 0;
        std::string kept;
        std::string original;
        for (char c : wrapped) {
            line = c == '\n' ? 0 : line + 1;
            ASSERT_LE(line, columns) << text;
            if (c != ' ' && c != '\n') {
                kept += c;
            }
        }
        for (char c : text) {
            if (c != ' ' && c != '\n') {
                original += c;
            }
        }
        EXPECT_EQ(kept, original);
    }
}
