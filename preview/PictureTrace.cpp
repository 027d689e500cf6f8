#include "preview/PictureTrace.h"

#include <cstdio>

#include "io/BoundedFile.h"
#include "preview/PreviewFolder.h"
#include "preview/ProgramSearch.h"
#include "toolkit/platform/vProcessRunner.h"

namespace {

// Far longer than the largest picture takes; a trace still going then is taken as stuck.
constexpr int TimeoutSeconds = 60;

bool IsInk(uint32_t pixel, int threshold, bool invert) {
    if ((pixel >> 24) < 128) {
        return false;
    }
    const unsigned red = pixel >> 16 & 0xff;
    const unsigned green = pixel >> 8 & 0xff;
    const unsigned blue = pixel & 0xff;
    const int luminance = static_cast<int>((299 * red + 587 * green + 114 * blue) / 1000);
    return invert ? luminance >= threshold : luminance < threshold;
}

std::string Number(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%g", value);
    return text;
}

}  // namespace

std::string InkBitmap(const PixelSurface& picture, int threshold, bool invert) {
    const int width = picture.Width();
    const int height = picture.Height();
    std::string bitmap = "P4\n" + std::to_string(width) + " " + std::to_string(height) + "\n";
    const size_t rowBytes = (static_cast<size_t>(width) + 7) / 8;
    for (int y = 0; y < height; ++y) {
        std::string row(rowBytes, '\0');
        for (int x = 0; x < width; ++x) {
            if (IsInk(picture.Pixel(x, y), threshold, invert)) {
                row[static_cast<size_t>(x) / 8] |= static_cast<char>(0x80 >> (x % 8));
            }
        }
        bitmap += row;
    }
    return bitmap;
}

std::string TraceProgramMissing(const std::string& program) {
    return "Tracing a picture needs the program " + program +
           " (Debian package potrace), which is not installed";
}

bool PrepareTrace(const PreviewFolder& folder, const PixelSurface& picture,
                  const TraceValues& values, std::vector<std::string>& arguments) {
    arguments = {"--svg",
                 "--turdsize",
                 std::to_string(values.despeckle),
                 "--alphamax",
                 Number(values.smooth),
                 "--output",
                 "ink.svg",
                 "ink.pbm"};
    return folder.Ready() &&
           folder.Write("ink.pbm", InkBitmap(picture, values.threshold, values.invert));
}

TracedPicture ReadTrace(const PreviewFolder& folder, const vProcessResult& result,
                        const std::string& program) {
    TracedPicture traced;
    std::string why;
    if (result.outcome != vProcessResult::Exited || result.exitStatus != 0 ||
        !BoundedFile::Read(folder.File("ink.svg").c_str(), BoundedFile::DocumentLimit, traced.svg,
                           why)) {
        traced.message = program + " could not trace the picture" +
                         (result.output.empty() ? std::string() : ": " + result.output);
        traced.svg.clear();
    }
    return traced;
}

TracedPicture TracePicture(const PixelSurface& picture, const TraceValues& values,
                           const std::string& program) {
    TracedPicture traced;
    vProcessRunner* runner = vProcessRunner::Current();
    if (runner == nullptr || !ProgramOnPath(program)) {
        traced.message = TraceProgramMissing(program);
        return traced;
    }
    PreviewFolder folder;
    std::vector<std::string> arguments;
    if (!PrepareTrace(folder, picture, values, arguments)) {
        traced.message = "No temporary file could be written";
        return traced;
    }
    return ReadTrace(folder, runner->RunProcess(program, arguments, folder.Path(), TimeoutSeconds),
                     program);
}
