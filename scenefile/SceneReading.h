#pragma once

#include <cstddef>

#include "model/Drawing.h"
#include "scenefile/SceneReadDetails.h"
#include "scenefile/SceneReadResult.h"

// What a reading of a scene file came to. The drawing is as the reader leaves it whether it
// succeeded or not: on a failure it holds what was read so far, as the file commands expect.
// Its kind is the kind the file declares, else the one its name implies.
struct SceneRead {
    Drawing drawing;
    SceneReadResult result = ReadOk;
    SceneReadDetails details;

    bool Ok() const { return result == ReadOk; }
};

// Reads a file of the layout the writer writes into the drawing given, which keeps what the
// file does not give (the remarks it has no line for, "open", "sturm", handles past the points
// read). A name ending in ".prm" implies a prism, any other a polygon.
SceneRead ReadScene(const char* fileName, Drawing drawing);
// Reads the bytes as ReadScene reads a file holding them, the kind that the file's name would
// imply being `implied`.
SceneRead ReadSceneBytes(const char* bytes, size_t size, Drawing drawing, ShapeKind implied);
