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
// same pixels in both views.
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
    if (std::system(command.c_str()) != 0) {
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
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.description);
        KCanvasPane canvas(nullptr);
        canvas.GenerateShape(5, 1.0, 0, 0.5, ShapeStar);
        canvas.GenerateShape(7, 0.4, 10, 0.5, ShapeStar);
        canvas.SetPrismValues(0.2, 0.9, row.spline, row.sweep, 0, row.open);
        const PreviewScene scene = PreviewScene::Of(canvas, "Untitled", row.kind);
        const PovrayShape shape = PovrayShape::Of(scene.text, Side);
        ASSERT_EQ(shape.outlines.ends.size(), 2u);
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
            const bool edgeOn = row.open && row.sweep == LinearSweep;
            EXPECT_EQ(things > Side, !(edgeOn && view == PovrayViews::TopView)) << view;
            // A side seen edge on may still catch a pixel's centre.
            EXPECT_LE(differ, things / 25 + 2) << view;
        }
    }
}

}  // namespace
