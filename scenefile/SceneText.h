#pragma once

#include <cstddef>
#include <string>

class KCanvasPane;

// The scene file's text without the file, for checks that make and read many drawings.

// The text the writer saves for the drawing as kind (Polygon or Prism); false, with the text
// unusable, when a number in it would not be finite.
bool SceneFileText(const KCanvasPane& canvas, int kind, std::string& text);
// Reads the bytes into the canvas as ReadSceneFile reads a file holding them, the kind implied
// by the file's name being the current shapeKind. Returns a SceneReadResult.
int ReadSceneText(KCanvasPane& canvas, const char* bytes, size_t size);
