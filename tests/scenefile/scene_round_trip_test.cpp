#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "model/EditState.h"
#include "model/KCanvasPane.h"
#include "scenefile/SceneKind.h"
#include "scenefile/SceneReadDetails.h"
#include "scenefile/SceneReadResult.h"
#include "support/CanvasSceneFiles.h"
#include "support/TestRandom.h"
#include "tests/scenefile/SceneFileTestSupport.h"

// Every drawing the writer can write reads back to the same model, within the file's six
// significant digits, and writing what was read gives the same bytes again. The drawings are
// drawn at random, with a fixed seed, from the whole space: 0 to 500 entries, 0 to 99 sets with
// outlines merged into set 99 as the editor merges them, with or without an unfinished set, any
// coordinates a drawing may hold, control points at the origin included. No point inside a set
// reads back equal to the set's first point, since that is how the file marks a set's end. The
// reader finds no scene text in them that the drawing does not keep.
namespace {

// What the file carries of a generated drawing besides its points and sets.
struct Carried {
    std::vector<int> outlineStarts;  // each has a control point in quadratic and cubic prisms
    std::vector<int> segmentStarts;  // each has two handles in bezier prisms
};

class DrawingMaker {
public:
    explicit DrawingMaker(unsigned seed) : _random(seed) {}

    Carried Make(KCanvasPane& canvas) {
        Carried carried;
        int sets = SetCount();
        int merged = sets == MaxSets ? Below(4) : 0;
        int outlines = sets + merged;
        int open = Below(2) == 0 ? 1 + Below(5) : 0;
        std::vector<int> sizes(outlines + (open > 0 ? 1 : 0), 3);
        if (open > 0) {
            sizes.back() = open;
        }
        int room = MaxPoints - 4 * outlines - open;
        int extra = sizes.empty() ? 0 : (Below(3) == 0 ? room : Below(room + 1));
        for (int i = 0; i < extra; ++i) {
            ++sizes[Below(static_cast<int>(sizes.size()))];
        }
        for (int j = 0; j < static_cast<int>(sizes.size()); ++j) {
            bool closed = j < outlines;
            AddOutline(canvas, sizes[j], closed, carried);
            if (closed) {
                canvas.setCount = std::min(j + 1, sets);
                canvas.setEnds[canvas.setCount] = canvas.pointCount;
            }
        }
        for (int i = 0; i < MaxPoints; ++i) {
            canvas.control1[i] = Below(8) == 0 ? Point2{0, 0} : RandomPoint();
            canvas.control2[i] = RandomPoint();
        }
        canvas.prismStart = Coordinate() / 75;
        canvas.prismEnd = Coordinate() / 75;
        canvas.sweepType = Below(2);
        canvas.isOpen = Below(2);
        canvas.useSturm = Below(2);
        static const std::string remarks[] = {"//", "// a remark", "//{ braces }",
                                              "//" + std::string(RemarkSize - 3, '.')};
        canvas.SetRemarks(remarks[Below(4)].c_str(), remarks[Below(4)].c_str(),
                          remarks[Below(4)].c_str());
        return carried;
    }

private:
    int Below(int n) { return static_cast<int>(_random.Below(static_cast<size_t>(n))); }

    // Mostly sets that fit the table, often the extremes.
    int SetCount() {
        switch (Below(6)) {
            case 0:
                return Below(2);
            case 1:
                return MaxSets;
            default:
                return 1 + Below(MaxSets);
        }
    }

    // From far below a pixel to near the largest a drawing may hold; whole numbers often.
    double Coordinate() {
        static const double scales[] = {1e-3, 1, 150, 150, 150, 1e6, 1e30, 1e300};
        double value = _random.Uniform(-1, 1) * scales[Below(8)];
        return Below(3) == 0 ? std::trunc(value) : value;
    }

    Point2 RandomPoint() { return {Coordinate(), Coordinate()}; }

    // The numbers the reader compares: the file's six digits, where 0 and -0 are alike.
    static bool ReadAlike(const Point2& a, const Point2& b) {
        char text[80];
        std::snprintf(text, sizeof text, "%g %g %g %g", KCanvasPane::FileX(a.x),
                      KCanvasPane::FileY(a.y), KCanvasPane::FileX(b.x), KCanvasPane::FileY(b.y));
        double ax = 0, ay = 0, bx = 0, by = 0;
        std::sscanf(text, "%lf %lf %lf %lf", &ax, &ay, &bx, &by);
        return ax == bx && ay == by;
    }

    // Points after the first never read back as the first; a closed outline repeats it.
    void AddOutline(KCanvasPane& canvas, int size, bool closed, Carried& carried) {
        int first = canvas.pointCount;
        carried.outlineStarts.push_back(first);
        Point2 start = RandomPoint();
        canvas.points[canvas.pointCount++] = start;
        for (int i = 1; i < size; ++i) {
            Point2 p = RandomPoint();
            while (ReadAlike(p, start)) {
                p = RandomPoint();
            }
            canvas.points[canvas.pointCount++] = p;
        }
        if (closed) {
            canvas.points[canvas.pointCount++] = start;
        }
        for (int i = first; i < canvas.pointCount - 1; ++i) {
            carried.segmentStarts.push_back(i);
        }
    }

    TestRandom _random;
};

bool SixDigitsAlike(double written, double read) {
    return std::fabs(written - read) <= 5.001e-6 * std::fabs(written);
}

void ExpectAlike(const Point2& written, const Point2& read, const char* what, int index) {
    EXPECT_TRUE(SixDigitsAlike(written.x, read.x) && SixDigitsAlike(written.y, read.y))
        << what << " " << index << ": " << written.x << "," << written.y << " read back as "
        << read.x << "," << read.y;
}

void ExpectSameModel(const KCanvasPane& written, const KCanvasPane& read, int kind,
                     const Carried& carried) {
    int spline = kind == Polygon ? LinearSpline : written.splineType;
    ASSERT_EQ(read.pointCount, written.pointCount);
    ASSERT_EQ(read.setCount, written.setCount);
    for (int k = 1; k <= written.setCount; ++k) {
        ASSERT_EQ(read.setEnds[k], written.setEnds[k]) << "set " << k;
    }
    for (int i = 0; i < written.pointCount; ++i) {
        ExpectAlike(written.points[i], read.points[i], "point", i);
    }
    if (spline == QuadraticSpline || spline == CubicSpline) {
        ExpectAlike(written.control1[0], read.control1[0], "control", 0);
        for (int s : carried.outlineStarts) {
            ExpectAlike(written.control1[s], read.control1[s], "control", s);
        }
    }
    if (spline == BezierSpline) {
        for (int j : carried.segmentStarts) {
            ExpectAlike(written.control1[j], read.control1[j], "first handle", j);
            ExpectAlike(written.control2[j], read.control2[j], "second handle", j);
        }
    }
    EXPECT_EQ(shapeKind, kind);
    EXPECT_EQ(read.splineType, spline);
    EXPECT_STREQ(read.remark1, written.remark1);
    EXPECT_STREQ(read.remark2, written.remark2);
    EXPECT_STREQ(read.remark3, written.remark3);
    if (kind == Prism) {
        EXPECT_EQ(read.sweepType, written.sweepType);
        EXPECT_TRUE(SixDigitsAlike(written.prismStart, read.prismStart));
        EXPECT_TRUE(SixDigitsAlike(written.prismEnd, read.prismEnd));
        EXPECT_EQ(read.isOpen, written.isOpen);
        EXPECT_EQ(read.useSturm, spline > QuadraticSpline ? written.useSturm : 0);
    }
}

TEST(SceneRoundTrip, EveryWrittenDrawingReadsBackAndWritesTheSameBytes) {
    struct Row {
        int kind;
        int spline;
        // Names that imply the kind, imply the other one, or imply nothing.
        const char* names[3];
    } rows[] = {
        {Polygon, LinearSpline, {"d.pol", "d.PRM", "d.txt"}},
        {Prism, LinearSpline, {"d.prm", "d.PRM", "d.txt"}},
        {Prism, QuadraticSpline, {"d.prm", "d.PRM", "d.txt"}},
        {Prism, CubicSpline, {"d.prm", "d.PRM", "d.txt"}},
        {Prism, BezierSpline, {"d.prm", "d.PRM", "d.txt"}},
    };
    constexpr int DrawingsPerRow = 80;
    TempDir dir;
    int savedKind = shapeKind;
    DrawingMaker maker(20240611);
    for (const Row& row : rows) {
        for (int drawing = 0; drawing < DrawingsPerRow; ++drawing) {
            SCOPED_TRACE("kind " + std::to_string(row.kind) + " spline " +
                         std::to_string(row.spline) + " drawing " + std::to_string(drawing));
            KCanvasPane written(nullptr);
            Carried carried = maker.Make(written);
            written.splineType = row.spline;
            char first[100];
            std::snprintf(first, sizeof first, "%s", dir.File(row.names[drawing % 3]).c_str());
            ASSERT_TRUE(SaveSceneFile(written, first, row.kind));

            KCanvasPane read(nullptr);
            SceneReadDetails details;
            ASSERT_EQ(OpenSceneFile(read, first, details), ReadOk) << FileText(first);
            EXPECT_EQ(details.foreignText, "") << FileText(first);
            ExpectSameModel(written, read, row.kind, carried);
            char second[100];
            std::snprintf(second, sizeof second, "%s", dir.File("again.txt").c_str());
            ASSERT_TRUE(SaveSceneFile(read, second, row.kind));
            ASSERT_EQ(FileText(second), FileText(first));
        }
    }
    shapeKind = savedKind;
}

// Lathes and surfaces of revolution at random that keep the ray tracer's rules: 1 to 99
// profiles of 4 to 9 points right of the axis, the heights rising, with or without an unfinished
// profile; any spline, open or closed, with or without sturm. Drawings the writer refuses are
// drawn again.
class ProfileMaker {
public:
    explicit ProfileMaker(unsigned seed) : _random(seed) {}

    void Make(KCanvasPane& canvas, int kind, int spline) {
        do {
            canvas.EmptyDrawing();
            int sets = _random.Below(4) == 0 ? MaxSets : _random.Between(1, 8);
            for (int k = 0; k < sets; ++k) {
                AddProfile(canvas, std::min(_random.Between(4, 9), MaxPoints / sets - 1), true);
            }
            if (_random.Below(2) == 0 && canvas.pointCount + 4 <= MaxPoints) {
                AddProfile(canvas, 4, false);
            }
            for (int i = 0; i < MaxPoints; ++i) {
                canvas.control1[i] = Point(0);
                canvas.control2[i] = Point(0);
            }
            canvas.splineType = spline;
            canvas.isOpen = static_cast<int>(_random.Below(2));
            canvas.useSturm = static_cast<int>(_random.Below(2));
        } while (!Writable(canvas, kind));
    }

private:
    static bool Writable(const KCanvasPane& canvas, int kind) {
        std::string text;
        int written = 0;
        return canvas.SceneFileText("", FilterOfKind(kind), text, written);
    }

    // Radii from 0 up, at scales from far below a pixel to far beyond the canvas.
    double Radius() {
        static const double scales[] = {1e-3, 1, 150, 150, 1e6};
        return _random.Below(6) == 0 ? 0 : _random.Uniform(0, 1) * scales[_random.Below(5)];
    }

    Point2 Point(double height) { return {Radius(), height}; }

    // Heights rise by steps that six digits still tell apart; y grows downwards in the model.
    void AddProfile(KCanvasPane& canvas, int size, bool finished) {
        int first = canvas.pointCount;
        double height = _random.Uniform(-150, 150);
        for (int i = 0; i < size; ++i) {
            canvas.points[canvas.pointCount++] = Point(height);
            height -= _random.Uniform(0.01, 40);
        }
        if (finished) {
            canvas.points[canvas.pointCount++] = canvas.points[first];
            canvas.setEnds[++canvas.setCount] = canvas.pointCount;
        }
    }

    TestRandom _random;
};

void ExpectSameProfiles(const KCanvasPane& written, const KCanvasPane& read, int kind) {
    ASSERT_EQ(read.pointCount, written.pointCount);
    ASSERT_EQ(read.setCount, written.setCount);
    const bool lathe = kind == Lathe;
    for (int k = 1; k <= written.setCount + 1; ++k) {
        int first = written.setEnds[k - 1];
        int end = k <= written.setCount ? written.setEnds[k] : written.pointCount;
        ASSERT_EQ(read.setEnds[k - 1], first) << "set " << k;
        for (int i = first; i < end; ++i) {
            ExpectAlike(written.points[i], read.points[i], "point", i);
        }
        if (first < end && lathe && written.splineType != LinearSpline &&
            written.splineType != BezierSpline) {
            ExpectAlike(written.control1[first], read.control1[first], "control", first);
        }
        // An open lathe does not write the handles of a set's closing segment.
        int segments = k > written.setCount || written.isOpen ? end - 2 : end - 1;
        for (int j = first; lathe && written.splineType == BezierSpline && j < segments; ++j) {
            ExpectAlike(written.control1[j], read.control1[j], "first handle", j);
            ExpectAlike(written.control2[j], read.control2[j], "second handle", j);
        }
    }
    EXPECT_EQ(shapeKind, kind);
    EXPECT_EQ(read.splineType, lathe ? written.splineType : LinearSpline);
    EXPECT_EQ(read.isOpen, written.isOpen);
    EXPECT_EQ(read.useSturm, written.useSturm);
}

TEST(SceneRoundTrip, EveryWrittenProfileReadsBackAndWritesTheSameBytes) {
    constexpr int DrawingsPerRow = 40;
    const struct Row {
        int kind;
        int spline;
    } rows[] = {{Lathe, LinearSpline},
                {Lathe, QuadraticSpline},
                {Lathe, CubicSpline},
                {Lathe, BezierSpline},
                {Sor, LinearSpline}};
    TempDir dir;
    int savedKind = shapeKind;
    ProfileMaker maker(20261209);
    for (const Row& row : rows) {
        for (int drawing = 0; drawing < DrawingsPerRow; ++drawing) {
            SCOPED_TRACE(std::string(SceneKindOf(row.kind).name) + " spline " +
                         std::to_string(row.spline) + " drawing " + std::to_string(drawing));
            KCanvasPane written(nullptr);
            maker.Make(written, row.kind, row.spline);
            char first[100];
            std::snprintf(first, sizeof first, "%s", dir.File("d").c_str());
            std::string refusal;
            ASSERT_TRUE(SaveSceneFile(written, first, FilterOfKind(row.kind), &refusal)) << refusal;
            KCanvasPane read(nullptr);
            SceneReadDetails details;
            ASSERT_EQ(OpenSceneFile(read, first, details), ReadOk) << FileText(first);
            EXPECT_EQ(details.foreignText, "") << FileText(first);
            ExpectSameProfiles(written, read, row.kind);
            char second[100];
            std::snprintf(second, sizeof second, "%s", dir.File("again.txt").c_str());
            ASSERT_TRUE(SaveSceneFile(read, second, FilterOfKind(row.kind)));
            ASSERT_EQ(FileText(second), FileText(first));
        }
    }
    shapeKind = savedKind;
}

}  // namespace
