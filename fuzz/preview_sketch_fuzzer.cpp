// The preview's quick sketches of every drawing the scene reader makes of any bytes, as each kind:
// the shape POV-Ray would make of the file is finite, and every sketch fills its picture and no
// more, whatever the coordinates. A lathe or a surface of revolution is sketched only as POV-Ray
// would accept it: a profile the writer refuses for POV-Ray's rules gives no shape, and seen face
// on the turned shape fills, in each row, one run of pixels within the box that bounds it.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz/CanvasReading.h"
#include "fuzz/FuzzCheck.h"
#include "model/EditState.h"
#include "model/KCanvasPane.h"
#include "preview/PovrayMessages.h"
#include "preview/PovrayShape.h"
#include "preview/PreviewScene.h"
#include "preview/PreviewSketch.h"
#include "scenefile/SceneKind.h"
#include "scenefile/SceneReadResult.h"

namespace {

constexpr int Side = 40;

bool Thing(uint32_t pixel) {
    return (pixel >> 16 & 0xff) > 2 * (pixel >> 8 & 0xff);
}

void RequireFinite(const Polylines& lines, const std::string& text) {
    for (const Point2& p : lines.points) {
        Require(std::isfinite(p.x) && std::isfinite(p.y),
                "a shape's point is not finite:\n" + text);
    }
}

int ThingCount(const PixelSurface& picture) {
    int count = 0;
    for (int i = 0; i < Side * Side; ++i) {
        count += Thing(picture.Pixel(i % Side, i / Side)) ? 1 : 0;
    }
    return count;
}

// Face on, a pixel's centre is x = (column + 0.5) / 10 - 2 and y = 2 - (row + 0.5) / 10; it
// may lie a pixel outside the box, which rounding may widen by that much.
void RequireSilhouette(const PovrayShape& shape, const PixelSurface& front,
                       const std::string& text) {
    const double pixel = 4.0 / Side;
    for (int row = 0; row < Side; ++row) {
        const double y = 2 - (row + 0.5) * pixel;
        int runs = 0;
        for (int column = 0; column < Side; ++column) {
            const bool thing = Thing(front.Pixel(column, row));
            runs += thing && (column == 0 || !Thing(front.Pixel(column - 1, row))) ? 1 : 0;
            const double x = (column + 0.5) * pixel - 2;
            Require(!thing || (std::fabs(x) <= shape.radius + pixel && y >= shape.low - pixel &&
                               y <= shape.high + pixel),
                    "a front view's pixel lies outside the turned shape's box:\n" + text);
        }
        Require(runs <= 1, "a front view's row is not one run:\n" + text);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    for (int kind : {Polygon, Prism, Lathe, Sor}) {
        shapeKind = kind;
        KCanvasPane canvas(nullptr);
        if (ReadInto(canvas, reinterpret_cast<const char*>(data), size) != ReadOk) {
            continue;
        }
        const PreviewScene scene = PreviewScene::Of(canvas, "Untitled", FilterOfKind(kind));
        const bool numbers = scene.text.find("inf") == std::string::npos &&
                             scene.text.find("nan") == std::string::npos;
        const bool rulesBroken = !scene.Writable() && scene.refusal != NotFiniteMessage;
        if (!(scene.Writable() || (numbers && rulesBroken))) {
            continue;
        }
        const PovrayShape shape = PovrayShape::Of(scene.text, Side);
        RequireFinite(shape.outlines, scene.text);
        RequireFinite(shape.profiles, scene.text);
        const PixelSurface front = PreviewSketch::TopView(shape, Side);
        const PixelSurface view = PreviewSketch::ThreeQuarterView(shape, Side);
        for (const PixelSurface* picture : {&front, &view}) {
            Require(picture->Width() == Side && picture->Height() == Side, "a sketch's size");
        }
        if (rulesBroken) {
            Require(shape.profiles.points.empty() && ThingCount(front) + ThingCount(view) == 0,
                    "a profile POV-Ray refuses is sketched:\n" + scene.text);
        } else if (IsTurnedKind(kind)) {
            RequireSilhouette(shape, front, scene.text);
        }
    }
    return 0;
}
