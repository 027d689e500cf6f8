#include <gtest/gtest.h>

#include <string>

#include "interchange/PastedDrawing.h"
#include "model/KCanvasPane.h"
#include "scenefile/SceneKind.h"
#include "tests/interchange/OutlineText.h"

namespace {

void AddSet(KCanvasPane& canvas, std::initializer_list<Point2> points) {
    const int first = canvas.pointCount;
    for (const Point2& p : points) {
        canvas.points[canvas.pointCount++] = p;
    }
    canvas.points[canvas.pointCount] = canvas.points[first];
    canvas.InitBezierHandles();
    canvas.setEnds[++canvas.setCount] = ++canvas.pointCount;
}

// The sets of a canvas in file units, "|" between sets, the closing repeat left out.
std::string SetsOf(const KCanvasPane& canvas) {
    std::string text;
    for (int k = 1; k <= canvas.setCount; ++k) {
        text += k > 1 ? " | " : "";
        for (int i = canvas.setEnds[k - 1]; i < canvas.setEnds[k] - 1; ++i) {
            text += (i > canvas.setEnds[k - 1] ? " " : "") + FilePair(canvas.points[i]);
        }
    }
    return text;
}

std::string Written(const KCanvasPane& canvas, int kind) {
    std::string text;
    int written = -1;
    std::string refusal;
    EXPECT_TRUE(canvas.SceneFileText("", FilterOfKind(kind), text, written, &refusal)) << refusal;
    EXPECT_EQ(written, kind);
    return text;
}

// Copy then paste into an empty drawing, for every kind, spline and "open": the same file, the
// same kind and prism values, however the values were rounded on the way. A lathe's and a
// surface of revolution's profiles keep right of the axis and rise.
TEST(PastedDrawing, TheEditorsOwnTextPastesIntoTheSameDrawing) {
    for (int kind : {Polygon, Prism, Lathe, Sor}) {
        for (int spline = LinearSpline; spline <= BezierSpline; ++spline) {
            for (int open : {0, 1}) {
                KCanvasPane copied(nullptr);
                if (IsTurnedKind(kind)) {
                    AddSet(copied, {{10.3, 0}, {40, -20.7}, {30, -40}, {55.55, -60}, {20, -80}});
                    AddSet(copied, {{80, 10}, {100.123456, -5}, {90, -30}, {120, -31}});
                } else {
                    AddSet(copied, {{10.3, -20.7}, {100, -21}, {55.55, 60}});
                    AddSet(copied, {{-100, -100}, {-40.123456, -95}, {-70, -30}, {-99, -31}});
                }
                copied.control1[0] = {11.5, 2.25};
                copied.SetPrismValues(PrismValues{-0.25, 1.75, spline, ConicSweep, 1, open});
                const std::string text = Written(copied, kind);
                PastedDrawing pasted;
                std::string why;
                ASSERT_TRUE(pasted.Read(text, Polygon, LinearSpline, true, why)) << why;
                EXPECT_TRUE(pasted.declared);
                EXPECT_EQ(pasted.kind, kind);
                KCanvasPane target(nullptr);
                target.SetPrismValues(PrismValues::Of(pasted.sets));
                ASSERT_TRUE(pasted.AddTo(target, why)) << why;
                EXPECT_EQ(Written(target, kind), text) << kind << " " << spline << " " << open;
            }
        }
    }
}

// Each form the clipboard may hold, and text that holds nothing to paste.
TEST(PastedDrawing, ReadsEveryAcceptedFormAndRefusesTheRest) {
    const struct {
        const char* text;
        bool declared;
        const char* sets;  // or, for a refusal, part of the reason
    } cases[] = {
        {"prism { linear_spline 0, 1, 4, <0,0>, <1,0>, <0,1>, <0,0> }", true, "0,0 1,0 0,1"},
        {"  polygon {\n 4 <0,0> <2,0> <2,2> <0,0>\n}\n", true, "0,0 2,0 2,2"},
        {"lathe { linear_spline 3, <0,0>, <1,1>, <0,2> }", true, "0,0 1,1 0,2"},
        {"sor { 4, <0,0>, <1,1>, <1,2>, <0,3> sturm }", true, "0,0 1,1 1,2 0,3"},
        {"<?xml version=\"1.0\"?>\n<svg xmlns=\"http://www.w3.org/2000/svg\">"
         "<rect x=\"0\" y=\"0\" width=\"75\" height=\"150\"/></svg>",
         false, "0,0 1,0 1,-2 0,-2"},
        {"<path d=\"M 0 0 L 75 0 L 0 75 Z\"/>", false, "0,0 1,0 0,-1"},
        {"<path d='M0 0H75V75z'/><path d='M150 0h75v75z'/>", false, "0,0 1,0 1,-1 | 2,0 3,0 3,-1"},
        {"\xEF\xBB\xBF M 0 0 L 75 0 L 0 75 Z", false, "0,0 1,0 0,-1"},
        {"m0,0 l75,0 0,75z", false, "0,0 1,0 1,-1"},
        {"", false, "no text"},
        {" \n\t", false, "no text"},
        {"hello, world", false, "Nothing to paste"},
        {"prism { }", false, "Nothing to paste"},
        {"<svg", false, "Nothing to paste"},
        {"<g/>", false, "Nothing to paste"},
        {"M", false, "Nothing to paste"},
        {"M 0 0 L 1 1", false, "Nothing to paste"},
        {"//\n//\n//\n#declare Thing=polygon{\n4\n<0,0>\n<1,0>\n<1,1>\n}\n", false,
         "never finished"},
    };
    for (const auto& c : cases) {
        PastedDrawing pasted;
        std::string why;
        const bool read = pasted.Read(c.text, Prism, LinearSpline, false, why);
        const bool refused =
            c.sets[0] != '\0' && !std::isdigit(static_cast<unsigned char>(c.sets[0]));
        ASSERT_EQ(read, !refused) << c.text << ": " << why;
        if (refused) {
            EXPECT_NE(why.find(c.sets), std::string::npos) << c.text << ": " << why;
            continue;
        }
        EXPECT_EQ(pasted.declared, c.declared) << c.text;
        KCanvasPane target(nullptr);
        ASSERT_TRUE(pasted.AddTo(target, why)) << why;
        EXPECT_EQ(SetsOf(target), c.sets) << c.text;
    }
}

// The pasted sets come after the drawing's own, unless a set is left open or there is no room.
TEST(PastedDrawing, AddsAfterTheDrawingsSetsOrRefusesWithTheReason) {
    PastedDrawing pasted;
    std::string why;
    ASSERT_TRUE(pasted.Read("M 0 0 L 75 0 L 0 75 Z M 150 0 h 75 v 75 z", Polygon, LinearSpline,
                            false, why));
    KCanvasPane canvas(nullptr);
    AddSet(canvas, {{-75, 0}, {-150, 0}, {-150, 75}});
    ASSERT_TRUE(pasted.AddTo(canvas, why));
    EXPECT_EQ(SetsOf(canvas), "-1,0 -2,0 -2,-1 | 0,0 1,0 0,-1 | 2,0 3,0 3,-1");
    EXPECT_EQ(canvas.setEnds[3], canvas.pointCount);

    const struct {
        int pointCount;
        int setCount;
        bool open;
        const char* why;
    } refusals[] = {
        {4, 1, true, "left open"},
        {MaxPoints - 8 + 1, 1, false, "room for 7 more"},
        {100, MaxSets - 1, false, "room for 1 more"},
    };
    for (const auto& r : refusals) {
        KCanvasPane full(nullptr);
        full.pointCount = r.pointCount;
        full.setCount = r.setCount;
        for (int k = 1; k <= r.setCount; ++k) {
            full.setEnds[k] = r.open ? r.pointCount - 1 : r.pointCount;
        }
        why.clear();
        EXPECT_FALSE(pasted.AddTo(full, why));
        EXPECT_NE(why.find(r.why), std::string::npos) << why;
        EXPECT_EQ(full.pointCount, r.pointCount);
    }
}

}  // namespace
