#pragma once

#include <cstddef>

#include "model/KCanvasPane.h"
#include "scenefile/SceneReading.h"

// Reads the bytes into the canvas as opening a file holding them does, the kind that the file's
// name would imply being the program-wide one, which becomes the kind read.
inline int ReadInto(KCanvasPane& canvas, const char* bytes, size_t size) {
    SceneRead read = ReadSceneBytes(bytes, size, canvas.Model(), static_cast<ShapeKind>(shapeKind));
    canvas.SetModel(read.drawing);
    shapeKind = read.drawing.kind;
    return read.result;
}
