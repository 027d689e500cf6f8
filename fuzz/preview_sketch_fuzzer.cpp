// The preview's quick sketches of every drawing the scene reader makes of any bytes: the
// outline POV-Ray would make of the file is finite, and every sketch fills its picture and no
// more, whatever the coordinates.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz/FuzzCheck.h"
#include "model/EditState.h"
#include "model/KCanvasPane.h"
#include "preview/PovrayShape.h"
#include "preview/PreviewScene.h"
#include "preview/PreviewSketch.h"
#include "scenefile/SceneReadResult.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    constexpr int Side = 40;
    for (int kind : {Polygon, Prism}) {
        shapeKind = kind;
        KCanvasPane canvas(nullptr);
        if (canvas.ReadSceneText(reinterpret_cast<const char*>(data), size) != ReadOk) {
            continue;
        }
        const PreviewScene scene = PreviewScene::Of(canvas, "Untitled", kind);
        if (!scene.Writable()) {
            continue;
        }
        const PovrayShape shape = PovrayShape::Of(scene.text, Side);
        for (const Point2& p : shape.outlines.points) {
            Require(std::isfinite(p.x) && std::isfinite(p.y),
                    "an outline point is not finite:\n" + scene.text);
        }
        for (const PixelSurface& picture :
             {PreviewSketch::TopView(shape, Side), PreviewSketch::ThreeQuarterView(shape, Side)}) {
            Require(picture.Width() == Side && picture.Height() == Side, "a sketch's size");
        }
    }
    return 0;
}
