#pragma once

#include <string>

#include "preview/PovrayViews.h"
#include "preview/PreviewScene.h"

// True when the bytes are a whole PNG image, from its signature to its image-end chunk: what a
// program still writing, or one that failed to write, leaves is not.
bool CompletePng(const std::string& bytes);

// Renders one view of a drawing with POV-Ray and waits for it, for callers with no event loop.
// True with the PNG's bytes in png when POV-Ray made the picture. messages gets POV-Ray's
// errors and warnings in plain words, or why nothing could be rendered.
bool RenderPovrayPicture(const PreviewScene& scene, PovrayViews::View view, int width, int height,
                         std::string& png, std::string& messages,
                         const std::string& program = "povray");
