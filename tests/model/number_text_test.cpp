#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

#include "model/NumberText.h"
#include "support/TestRandom.h"

// The number text every file and field of the program shares.

namespace {

TEST(NumberText, ReadsWholeFiniteNumbersAndTypedOnesWithBlanksAfter) {
    const struct {
        const char* text;
        bool file;
        bool typed;
        double value;
    } cases[] = {
        {"0.25", true, true, 0.25}, {" -1e3", true, true, -1000}, {"2 ", false, true, 2},
        {"2\t", false, true, 2},    {"", false, false, 0},        {"  ", false, false, 0},
        {"1,5", false, false, 0},   {"inf", false, false, 0},     {"nan", false, false, 0},
        {"1e400", false, false, 0}, {"x1", false, false, 0},      {"1 2", false, false, 0},
    };
    for (const auto& c : cases) {
        double file = 7;
        double typed = 7;
        EXPECT_EQ(ReadNumber(c.text, file), c.file) << c.text;
        EXPECT_EQ(ReadTypedNumber(c.text, typed), c.typed) << c.text;
        EXPECT_EQ(file, c.file ? c.value : 7) << "left alone when refused: " << c.text;
        EXPECT_EQ(typed, c.typed ? c.value : 7) << c.text;
    }
}

// Any finite number written shortest reads back exactly; six digits suffice where they do.
TEST(NumberText, ShortestTextReadsBackExactly) {
    TestRandom random(11);
    for (int k = 0; k < 2000; ++k) {
        const double value = random.Uniform(-1, 1) * std::pow(10.0, random.Between(-300, 300));
        double read = 0;
        ASSERT_TRUE(ReadNumber(ShortestText(value).c_str(), read)) << ShortestText(value);
        EXPECT_EQ(read, value) << ShortestText(value);
    }
    EXPECT_EQ(ShortestText(0.25), "0.25");
    EXPECT_EQ(ShortestText(-0.0), "0");
    EXPECT_EQ(ShortestText(0.1 + 0.2), "0.30000000000000004");
}

}  // namespace
