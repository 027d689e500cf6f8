#include <gtest/gtest.h>

#include <string>

#include "model/DrawingHandles.h"
#include "scenefile/SceneReading.h"
#include "scenefile/SceneWriting.h"

// A bezier prism's or lathe's node types travel in its file as comments on the lines of their
// points: a corner says nothing, so a drawing of corners writes the bytes it always has.
namespace {

// A bezier drawing of the kind: one finished square and an open set of three points.
Drawing Square(ShapeKind kind) {
    Drawing drawing;
    drawing.kind = kind;
    drawing.splineType = BezierSpline;
    const Point2 corners[] = {{-75, -75}, {75, -75}, {75, 75}, {-75, 75}};
    for (const Point2& p : corners) {
        drawing.points[drawing.pointCount++] = p;
    }
    drawing.points[drawing.pointCount] = corners[0];
    InitBezierHandles(drawing);
    drawing.setEnds[drawing.setCount = 1] = ++drawing.pointCount;
    for (const Point2& p : {Point2{0, 0}, Point2{30, 0}, Point2{30, 30}}) {
        drawing.points[drawing.pointCount++] = p;
    }
    InitBezierHandles(drawing);
    return drawing;
}

std::string TextOf(const Drawing& drawing) {
    return ComposeSceneFile(drawing, "square", KindChoice::Of(drawing.kind)).text;
}

size_t Count(const std::string& text, const std::string& part) {
    size_t count = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) {
        ++count;
    }
    return count;
}

TEST(NodeTypesFile, SuffixesOnTheNodesLinesReadBack) {
    struct Case {
        int node;
        NodeType type;
        const char* line;  // the point's line where its segment starts
    } cases[] = {
        {0, NodeType::Smooth, "<-1,1> //node smooth\r\n"},
        {2, NodeType::Symmetric, "<1,-1> //node symmetric\r\n"},
        {6, NodeType::Smooth, "<0.4,-0> //node smooth\r\n"},
    };
    for (const ShapeKind kind : {Prism, Lathe}) {
        const Drawing corners = Square(kind);
        const std::string plain = TextOf(corners);
        EXPECT_EQ(Count(plain, "//node"), 0u);
        Drawing typed = corners;
        for (const Case& c : cases) {
            typed.nodeTypes[c.node] = c.type;
        }
        const std::string text = TextOf(typed);
        for (const Case& c : cases) {
            EXPECT_EQ(Count(text, c.line), 1u) << c.line;
        }
        // No line is added: the typed file is the plain one with the comments in it.
        EXPECT_EQ(Count(text, "\r\n"), Count(plain, "\r\n"));
        for (const Drawing& drawing : {corners, typed}) {
            const std::string written = TextOf(drawing);
            const SceneRead read = ReadSceneBytes(written.data(), written.size(), Drawing{}, kind);
            ASSERT_TRUE(read.Ok());
            EXPECT_TRUE(read.details.foreignText.empty()) << read.details.foreignText;
            EXPECT_TRUE(std::equal(read.drawing.nodeTypes, read.drawing.nodeTypes + MaxPoints,
                                   drawing.nodeTypes));
            EXPECT_EQ(TextOf(read.drawing), written);
        }
        // An open set's ends have one handle each: no type of theirs is written. Other splines
        // write no node types; a reading replaces those the drawing had.
        Drawing loose = corners;
        loose.nodeTypes[5] = NodeType::Smooth;
        EXPECT_EQ(TextOf(loose), plain);
        Drawing cubic = typed;
        cubic.splineType = CubicSpline;
        EXPECT_EQ(Count(TextOf(cubic), "//node"), 0u);
        const SceneRead over = ReadSceneBytes(plain.data(), plain.size(), typed, Prism);
        EXPECT_EQ(over.drawing.nodeTypes[0], NodeType::Corner);
    }
}

}  // namespace
