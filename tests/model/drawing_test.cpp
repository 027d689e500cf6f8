#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <vector>

#include "model/Drawing.h"

namespace {

// Each change touches one part of a drawing; a copy compares equal before it and unequal after.
TEST(Drawing, CopiesAndComparesEveryPart) {
    const std::vector<std::function<void(Drawing&)>> changes = {
        [](Drawing& d) { d.pointCount = 1; },
        [](Drawing& d) { d.setCount = 1; },
        [](Drawing& d) { d.points[MaxPoints - 1].x = 1; },
        [](Drawing& d) { d.control1[0].y = -1; },
        [](Drawing& d) { d.control2[MaxPoints - 1].y = 2; },
        [](Drawing& d) { d.setEnds[MaxSets] = 3; },
        [](Drawing& d) { std::strcpy(d.remark1, "// a"); },
        [](Drawing& d) { std::strcpy(d.remark2, "// b"); },
        [](Drawing& d) { std::strcpy(d.remark3, "// c"); },
        [](Drawing& d) { d.prismStart = 0.25; },
        [](Drawing& d) { d.prismEnd = 1; },
        [](Drawing& d) { d.splineType = CubicSpline; },
        [](Drawing& d) { d.sweepType = ConicSweep; },
        [](Drawing& d) { d.useSturm = 1; },
        [](Drawing& d) { d.isOpen = 1; },
        [](Drawing& d) { d.kind = Lathe; },
        [](Drawing& d) {
            d.trailingControls.push_back({{{1, 2}}, {0, 0}, {3, 4}});
        },
        [](Drawing& d) { d.nodeTypes[MaxPoints - 1] = NodeType::Symmetric; },
        [](Drawing& d) { d.name = "vase"; },
    };
    for (size_t i = 0; i < changes.size(); ++i) {
        Drawing original;
        original.points[0] = {-0.0, 0};
        Drawing copy = original;
        copy.points[0] = {0, -0.0};
        EXPECT_EQ(copy, original) << "change " << i << ": -0 and 0 are the same coordinate";
        changes[i](copy);
        EXPECT_NE(copy, original) << "change " << i;
        Drawing again = copy;
        EXPECT_EQ(again, copy) << "change " << i;
        // The kind alone is not one of the parts an undo step compares.
        EXPECT_EQ(SameParts(copy, original), i == 15) << "change " << i;
    }
}

TEST(Drawing, StartsEmptyWithTheCapacitiesAndNoStoredExtras) {
    const Drawing drawing;
    EXPECT_EQ(sizeof drawing.points / sizeof drawing.points[0], static_cast<size_t>(MaxPoints));
    EXPECT_EQ(sizeof drawing.setEnds / sizeof drawing.setEnds[0],
              static_cast<size_t>(SetEndEntries));
    EXPECT_STREQ(drawing.remark1, "//");
    EXPECT_EQ(drawing.pointCount + drawing.setCount, 0);
    EXPECT_TRUE(drawing.trailingControls.empty());
    drawing.CheckInvariants();
}

}  // namespace
