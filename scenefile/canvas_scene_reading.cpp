#include "model/DrawingHandles.h"
#include "model/KCanvasPane.h"
#include "scenefile/SceneReading.h"

int KCanvasPane::ReadSceneFile(const char* fileName) {
    SceneReadDetails details;
    return ReadSceneFile(fileName, details);
}

// The canvas's own reading: the drawing as the reader leaves it, on a failure too, with the kind
// it read in the model. The caller makes that the program-wide kind and draws it.
int KCanvasPane::ReadSceneFile(const char* fileName, SceneReadDetails& details) {
    // A drawing read shows its own values everywhere.
    _handedSpline.reset();
    SceneRead read = ReadScene(fileName, drawing);
    SetModel(read.drawing);
    details = std::move(read.details);
    return read.result;
}

void KCanvasPane::FillDefaultHandles() {
    ::FillDefaultHandles(drawing);
}
