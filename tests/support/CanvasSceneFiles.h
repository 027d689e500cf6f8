#pragma once

#include <string>

#include "model/KCanvasPane.h"
#include "scenefile/SceneReadDetails.h"

// The canvas's scene file operations followed by what the window's file commands do with their
// outcome: the kind read or written becomes the program-wide kind, and a drawing read is drawn.
int OpenSceneFile(KCanvasPane& canvas, const char* fileName);
int OpenSceneFile(KCanvasPane& canvas, const char* fileName, SceneReadDetails& details);
bool SaveSceneFile(KCanvasPane& canvas, char* fileName, int kindChoice,
                   std::string* reason = nullptr);
