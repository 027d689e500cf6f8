#pragma once

#include <string>
#include <vector>

#include "model/TraceValues.h"
#include "toolkit/platform/vProcessResult.h"
#include "toolkit/raster/PixelSurface.h"

// The outlines of a picture's ink, as an SVG document whose user units are the picture's
// pixels, or why there are none.
struct TracedPicture {
    std::string svg;
    std::string message;

    bool Ok() const { return message.empty(); }
};

// The picture's ink as a bitmap in the portable bitmap format (binary), 1 for ink.
std::string InkBitmap(const PixelSurface& picture, int threshold, bool invert);

class PreviewFolder;

// Why the picture cannot be traced when the program cannot be run: it names its package.
std::string TraceProgramMissing(const std::string& program);
// Writes the picture's ink into the folder and gives the program's arguments that trace it
// there; false when the bitmap cannot be written.
bool PrepareTrace(const PreviewFolder& folder, const PixelSurface& picture,
                  const TraceValues& values, std::vector<std::string>& arguments);
// What the program that ran in the folder left there.
TracedPicture ReadTrace(const PreviewFolder& folder, const vProcessResult& result,
                        const std::string& program);

// Traces the picture's ink with the potrace program, run in a private folder of its own. The
// program is a separate one (it is not linked in); without it the message names its package.
TracedPicture TracePicture(const PixelSurface& picture, const TraceValues& values,
                           const std::string& program = "potrace");
