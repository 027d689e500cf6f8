#include "support/CanvasSceneFiles.h"

#include "model/EditState.h"
#include "scenefile/SceneReadResult.h"

int OpenSceneFile(KCanvasPane& canvas, const char* fileName) {
    SceneReadDetails details;
    return OpenSceneFile(canvas, fileName, details);
}

int OpenSceneFile(KCanvasPane& canvas, const char* fileName, SceneReadDetails& details) {
    const int result = canvas.ReadSceneFile(fileName, details);
    shapeKind = canvas.Model().kind;
    if (result == ReadOk) {
        canvas.RedrawOutline(true);
    }
    return result;
}

bool SaveSceneFile(KCanvasPane& canvas, char* fileName, int kindChoice, std::string* reason) {
    const bool written = canvas.WriteSceneFile(fileName, kindChoice, reason);
    shapeKind = canvas.Model().kind;
    return written;
}
