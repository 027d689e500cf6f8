#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "model/EditState.h"
#include "model/KCanvasPane.h"
#include "preview/PovrayShape.h"
#include "preview/PovrayViews.h"
#include "preview/PreviewScene.h"
#include "preview/PreviewSketch.h"
#include "scenefile/SceneKind.h"
#include "tests/scenefile/SceneFileTestSupport.h"

// The quick sketches against what POV-Ray renders of the same drawing: the thing covers the
// same pixels in both views (a lathe's or a sor's highlight, which is not red, nearly so).
namespace {

constexpr int Side = 120;

// POV-Ray's picture of a view as a portable pixmap, which needs no decoder; empty when it
// made none.
std::vector<uint32_t> PovrayPixels(const PreviewScene& scene, PovrayViews::View view) {
    TempDir dir;
    const std::string drawing = std::string("drawing") + SceneKindOf(scene.kind).extension;
    PutFile(dir.File(drawing), scene.text);
    PutFile(dir.File("view.pov"), PovrayViews::Scene(view, drawing, scene.kind, Side, Side));
    const std::string command = "cd '" + dir.Path() + "' && povray -D -GA +FP +W" +
                                std::to_string(Side) + " +H" + std::to_string(Side) +
                                " +Iview.pov +Oview.ppm -A >/dev/null 2>&1";
    std::vector<uint32_t> pixels;
    // On a loaded machine POV-Ray now and then gives up waiting for its worker threads to start:
    // a second run tells that apart from a scene it refuses.
    if (std::system(command.c_str()) != 0 && std::system(command.c_str()) != 0) {
        return pixels;
    }
    const std::string ppm = FileText(dir.File("view.ppm"));
    const size_t data = ppm.size() - static_cast<size_t>(Side) * Side * 3;
    for (size_t i = data; i + 2 < ppm.size(); i += 3) {
        pixels.push_back(PixelSurface::FromRgb(static_cast<unsigned char>(ppm[i]),
                                               static_cast<unsigned char>(ppm[i + 1]),
                                               static_cast<unsigned char>(ppm[i + 2])));
    }
    return pixels;
}

// The thing is red; the grid, the floor and the background are grey or white.
bool Thing(uint32_t pixel) {
    return (pixel >> 16 & 0xff) > 2 * (pixel >> 8 & 0xff);
}

TEST(PreviewSketch, CoversThePixelsPovrayCovers) {
    struct Row {
        const char* description;
        int kind;
        int spline;
        int sweep;
        int open;
    } rows[] = {
        {"linear star prism", Prism, LinearSpline, LinearSweep, 0},
        {"quadratic star prism", Prism, QuadraticSpline, LinearSweep, 0},
        {"cubic star prism, conic", Prism, CubicSpline, ConicSweep, 0},
        {"bezier star prism, open", Prism, BezierSpline, LinearSweep, 1},
        {"linear star prism, conic, open", Prism, LinearSpline, ConicSweep, 1},
        {"star polygon", Polygon, LinearSpline, LinearSweep, 0},
        {"quadratic vase lathe", Lathe, QuadraticSpline, LinearSweep, 0},
        {"cubic vase lathe", Lathe, CubicSpline, LinearSweep, 1},
        {"bezier vase lathe", Lathe, BezierSpline, LinearSweep, 1},
        {"vase surface of revolution", Sor, LinearSpline, LinearSweep, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.description);
        KCanvasPane canvas(nullptr);
        if (IsTurnedKind(row.kind)) {
            for (const Point2& p :
                 {Point2{0.5, -1.4}, {0.7, -1.1}, {0.4, 0}, {0.9, 0.8}, {0.6, 1.3}, {0.55, 1.6}}) {
                canvas.points[canvas.pointCount++] = {p.x * 75, p.y * -75};
            }
            canvas.InitBezierHandles();
        } else {
            canvas.GenerateShape(5, 1.0, 0, 0.5, ShapeStar);
            canvas.GenerateShape(7, 0.4, 10, 0.5, ShapeStar);
        }
        canvas.SetPrismValues(0.2, 0.9, row.spline, row.sweep, 0, row.open);
        const PreviewScene scene = PreviewScene::Of(canvas, "Untitled", FilterOfKind(row.kind));
        ASSERT_TRUE(scene.Writable()) << scene.refusal;
        const PovrayShape shape = PovrayShape::Of(scene.text, Side);
        ASSERT_EQ(shape.outlines.ends.size() + (shape.profiles.ends.empty() ? 0 : 2), 2u);
        for (auto view : {PovrayViews::TopView, PovrayViews::ThreeQuarterView}) {
            const PixelSurface sketch = view == PovrayViews::TopView
                                            ? PreviewSketch::TopView(shape, Side)
                                            : PreviewSketch::ThreeQuarterView(shape, Side);
            const std::vector<uint32_t> povray = PovrayPixels(scene, view);
            ASSERT_EQ(povray.size(), static_cast<size_t>(Side) * Side);
            int things = 0;
            int differ = 0;
            for (int i = 0; i < Side * Side; ++i) {
                const bool thing = Thing(povray[i]);
                things += thing ? 1 : 0;
                differ += thing != Thing(sketch.Pixel(i % Side, i / Side)) ? 1 : 0;
            }
            // An open prism seen from above shows only the edges of its sides, unless they slant.
            const bool edgeOn = row.kind == Prism && row.open && row.sweep == LinearSweep;
            EXPECT_EQ(things > Side, !(edgeOn && view == PovrayViews::TopView)) << view;
            // A side seen edge on may still catch a pixel's centre.
            EXPECT_LE(differ, things / 25 + 2) << view << " of " << things;
        }
    }
}

// Turned about the axis and seen face on, a profile covers in each row the pixels out to its
// widest radius at that height, and nothing at all when POV-Ray would refuse any profile.
TEST(PreviewSketch, TurnedShapesFillTheirSilhouettes) {
    // Rows and columns first to last; a pixel is 1/30 of a unit and the picture spans -2 to 2.
    struct Block {
        int top;
        int bottom;
        int left;
        int right;
    };
    const Block cylinder{30, 89, 30, 89};
    struct Row {
        const char* description;
        const char* body;
        std::vector<Block> covered;
    } rows[] = {
        {"linear lathe", "lathe{\r\nlinear_spline\r\n2\r\n<1,-1>\r\n<1,1>\r\n}", {cylinder}},
        {"quadratic lathe, its first point a slope",
         "lathe{\r\nquadratic_spline\r\n4\r\n<1,-2>\r\n<1,-1>\r\n<1,0>\r\n<1,1>\r\n}",
         {cylinder}},
        {"cubic lathe, two slopes",
         "lathe{\r\ncubic_spline\r\n5\r\n<1,-2>\r\n<1,-1>\r\n<1,0>\r\n<1,1>\r\n<1,2>\r\n}",
         {cylinder}},
        {"bezier lathe",
         "lathe{\r\nbezier_spline\r\n4\r\n<1,-1>\r\n<1,-0.3>\r\n<1,0.3>\r\n<1,1>\r\n}",
         {cylinder}},
        {"surface of revolution",
         "sor{\r\n4\r\n<1,-2>\r\n<1,-1>\r\n<1,1>\r\n<1,2>\r\n}",
         {cylinder}},
        {"open surface of revolution",
         "sor{\r\n4\r\n<1,-2>\r\n<1,-1>\r\n<1,1>\r\n<1,2>\r\nopen\r\n}",
         {cylinder}},
        {"two lathes, a cone on a cylinder",
         "union{\r\nlathe{\r\nlinear_spline\r\n2\r\n<1,-1>\r\n<1,0>\r\n}\r\n//___set___\r\n"
         "lathe{\r\nlinear_spline\r\n2\r\n<0.6,0.5>\r\n<0,1>\r\n}\r\n}",
         // The cone widens by 1.2 pixels a row on either side.
         {{60, 89, 30, 89},
          {30, 30, 59, 60},
          {31, 31, 58, 61},
          {32, 32, 57, 62},
          {33, 33, 56, 63},
          {34, 34, 55, 64},
          {35, 35, 53, 66},
          {36, 36, 52, 67},
          {37, 37, 51, 68},
          {38, 38, 50, 69},
          {39, 39, 49, 70},
          {40, 40, 47, 72},
          {41, 41, 46, 73},
          {42, 42, 45, 74},
          {43, 43, 44, 75},
          {44, 44, 43, 76}}},
        {"lathe with a radius below 0",
         "lathe{\r\nlinear_spline\r\n3\r\n<1,-1>\r\n<-0.5,0>\r\n<1,1>\r\n}",
         {}},
        {"cubic lathe with too few points",
         "lathe{\r\ncubic_spline\r\n3\r\n<1,-1>\r\n<1,0>\r\n<1,1>\r\n}",
         {}},
        {"surface of revolution falling",
         "sor{\r\n4\r\n<1,-2>\r\n<1,1>\r\n<1,-1>\r\n<1,2>\r\n}",
         {}},
        {"one good lathe beside a refused one",
         "union{\r\nlathe{\r\nlinear_spline\r\n2\r\n<1,-1>\r\n<1,1>\r\n}\r\n"
         "lathe{\r\nlinear_spline\r\n1\r\n<1,-1>\r\n}\r\n}",
         {}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.description);
        // A remark may hold anything, a brace and another kind's name too.
        const PovrayShape shape = PovrayShape::Of(
            std::string("// a {prism}\r\n//\r\n//\r\n#declare Thing=") + row.body + "\r\n", Side);
        EXPECT_EQ(shape.profiles.points.empty(), row.covered.empty());
        const PixelSurface front = PreviewSketch::TopView(shape, Side);
        int wrong = 0;
        for (int y = 0; y < Side; ++y) {
            for (int x = 0; x < Side; ++x) {
                bool inside = false;
                for (const Block& b : row.covered) {
                    inside = inside || (y >= b.top && y <= b.bottom && x >= b.left && x <= b.right);
                }
                wrong += inside != Thing(front.Pixel(x, y)) ? 1 : 0;
            }
        }
        EXPECT_EQ(wrong, 0);
        const PixelSurface view = PreviewSketch::ThreeQuarterView(shape, Side);
        int things = 0;
        for (int i = 0; i < Side * Side; ++i) {
            things += Thing(view.Pixel(i % Side, i / Side)) ? 1 : 0;
        }
        EXPECT_EQ(things > Side, !row.covered.empty()) << things;
    }
}

}  // namespace
