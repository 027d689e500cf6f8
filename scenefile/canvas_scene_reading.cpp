#include "model/DrawingHandles.h"
#include "model/KCanvasPane.h"
#include "scenefile/SceneReading.h"

int KCanvasPane::ReadSceneFile(const char* fileName) {
    SceneReadDetails details;
    return ReadSceneFile(fileName, details);
}

// The canvas's own reading: the drawing as the reader leaves it, and the program-wide kind the
// one it read, on a failure too, as the file commands have always found them.
int KCanvasPane::ReadSceneFile(const char* fileName, SceneReadDetails& details) {
    // A drawing read shows its own values everywhere.
    _handedSpline.reset();
    SceneRead read = ReadScene(fileName, drawing);
    SetModel(read.drawing);
    shapeKind = read.drawing.kind;
    details = std::move(read.details);
    if (read.Ok()) {
        RedrawOutline(true);
    }
    return read.result;
}

void KCanvasPane::FillDefaultHandles() {
    ::FillDefaultHandles(drawing);
}
