#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "model/EditState.h"
#include "model/ProfileRules.h"
#include "tests/model/PovListCases.h"

namespace {

std::vector<RuleBreak> BreaksOf(bool sor, int spline, const std::vector<WrittenEntry>& entries) {
    return sor ? SorRuleBreaks(entries) : LatheRuleBreaks(spline, entries);
}

TEST(ProfileRulesTest, EveryBrokenRuleAtItsPointWithAShortText) {
    for (const ProfileRuleCase& c : ProfileRuleCases()) {
        std::vector<std::pair<int, std::string>> found;
        for (const RuleBreak& b : BreaksOf(c.sor, c.spline, ProfileEntries(c.points))) {
            found.emplace_back(b.entry, b.brief);
            EXPECT_LE(std::strlen(b.brief), 21u) << b.brief;
            EXPECT_EQ(b.sentence.rfind("Set 1", 0), 0u) << b.sentence;
        }
        EXPECT_EQ(found, c.breaks) << (c.sor ? "sor " : "lathe ") << c.points.size() << " points";
    }
}

TEST(ProfileRulesTest, SentencesNameTheSetThePointAndTheRule) {
    auto entry = [](Point2 file, WrittenSource source, int index, int set) {
        return WrittenEntry{file, {}, WrittenRole::Control, source, index, set};
    };
    struct Row {
        bool sor;
        int spline;
        std::vector<WrittenEntry> entries;
        std::string first;
    } rows[] = {
        {false,
         CubicSpline,
         {entry({-0.25, 0}, WrittenSource::Control1, 10, 2),
          entry({0, 0}, WrittenSource::Points, 10, 2), entry({0, 1}, WrittenSource::Points, 11, 2),
          entry({0, 2}, WrittenSource::Points, 12, 2)},
         "Set 2, control point (-0.25, 0): a lathe must not have a radius x below 0."},
        {false,
         BezierSpline,
         {entry({0, 0}, WrittenSource::Points, 4, 1), entry({0, 1}, WrittenSource::Control1, 4, 1),
          entry({-1, 1}, WrittenSource::Control2, 4, 1),
          entry({0, 2}, WrittenSource::Points, 5, 1)},
         "Set 1, handle 2 of segment 1 (-1, 1): a lathe must not have a radius x below 0."},
        {false,
         CubicSpline,
         {entry({0, 0}, WrittenSource::Points, 0, 1), entry({1, 1}, WrittenSource::Points, 1, 1),
          entry({-1, 0}, WrittenSource::FirstLessControl, 0, 1)},
         "Set 1: a lathe with cubic splines needs at least 4 points; it has 3."},
        {true,
         LinearSpline,
         {entry({1, 0}, WrittenSource::Points, 7, 0), entry({1, 1}, WrittenSource::Points, 8, 0),
          entry({1, 2}, WrittenSource::Points, 9, 0), entry({1, 0.5}, WrittenSource::Points, 10, 0),
          entry({1, 3}, WrittenSource::Points, 11, 0)},
         "The unfinished set, point 4 (1, 0.5): a surface of revolution must rise in height from "
         "its second point to the one before last; this one is not above the one before it."},
    };
    for (const Row& row : rows) {
        std::vector<RuleBreak> breaks = BreaksOf(row.sor, row.spline, row.entries);
        ASSERT_FALSE(breaks.empty()) << row.first;
        EXPECT_EQ(breaks[0].sentence, row.first);
    }
}

}  // namespace
