#include <stdlib.h>
#include <strings.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "io/BoundedFile.h"
#include "io/FileReplace.h"
#include "model/EditState.h"
#include "model/KCanvasPane.h"
#include "model/NumberText.h"
#include "model/ShapeKindScope.h"
#include "preview/PovrayPicture.h"
#include "scenefile/SceneReadResult.h"
#include "toolkit/platform/vHeadlessSession.h"
#include "toolkit/vMemoryDC.h"
#include "tools/ToolArguments.h"
#include "tools/ToolCommand.h"
#include "tools/ToolExit.h"
#include "tools/ToolFiles.h"
#include "tools/ToolMessages.h"

namespace {

constexpr long MaxSide = 8192;
// A kind choice other than polygon or prism writes the kind the drawing was read as.
constexpr int KindOfTheDrawing = 2;

enum class Picture { Normal, Curves, Set, Povray };

struct RenderValues {
    long width = 300;
    long height = 300;
    Picture picture = Picture::Normal;
    long set = 0;
    // What View shows in the editor.
    CanvasView view;
    CanvasOptions options;
};

// "X,Y" in file units, as the model point in the middle of the picture.
OptionResult TakeCentre(const char* text, CanvasView& view) {
    return TakeFilePoint(text, view.centre);
}

OptionResult TakeZoom(const char* text, CanvasView& view) {
    return OptionResult::TakenIf(ReadNumber(text, view.zoom) && view.zoom >= CanvasView::MinZoom &&
                                     view.zoom <= CanvasView::MaxZoom,
                                 "not a zoom from 0.0625 to 64");
}

OptionResult TakeGrid(const char* text, CanvasOptions& options) {
    options.snapToGrid =
        ReadNumber(text, options.gridSpacing) && CanvasOptions::ValidSpacing(options.gridSpacing);
    return OptionResult::TakenIf(options.snapToGrid, "not a spacing from 0.001 to 10 file units");
}

OptionResult TakePicture(const char* text, RenderValues& values) {
    static const char* const pictures[] = {"normal", "curves", "povray", nullptr};
    static const Picture named[] = {Picture::Normal, Picture::Curves, Picture::Povray};
    const int index = ChoiceIndex(text, pictures);
    if (index >= 0) {
        values.picture = named[index];
        return OptionStatus::Taken;
    }
    values.picture = Picture::Set;
    return OptionResult::TakenIf(
        std::strncmp(text, "set:", 4) == 0 && ParseWhole(text + 4, values.set),
        "not one of normal, curves, set:K, povray");
}

OptionResult TakeRenderOption(const char* name, ToolArguments& args, RenderValues& values) {
    if (std::strcmp(name, "exact") == 0) {
        values.options.exactCurves = true;
        return OptionStatus::Taken;
    }
    if (std::strcmp(name, "keep-proportions") == 0) {
        values.options.keepProportions = true;
        return OptionStatus::Taken;
    }
    const std::string option = name;
    if (option != "size" && option != "picture" && option != "zoom" && option != "centre" &&
        option != "grid") {
        return OptionStatus::Unknown;
    }
    const char* value = nullptr;
    if (!args.Value(value)) {
        return OptionStatus::MissingValue;
    }
    if (option == "size") {
        return TakeSize(value, MaxSide, values.width, values.height);
    }
    if (option == "zoom") {
        return TakeZoom(value, values.view);
    }
    if (option == "centre") {
        return TakeCentre(value, values.view);
    }
    return option == "grid" ? TakeGrid(value, values.options) : TakePicture(value, values);
}

// The picture is always a PNG; a name that promises another type would deceive whatever opens
// it by its name.
bool NamesOtherPictureType(const char* path) {
    static const char* const others[] = {".jpg",  ".jpeg", ".gif", ".bmp", ".tif", ".tiff", ".webp",
                                         ".svg",  ".ppm",  ".pgm", ".pbm", ".xpm", ".ico",  ".tga",
                                         ".avif", ".heic", ".jxl", ".pdf", ".eps", ".exr",  ".jp2"};
    const char* dot = std::strrchr(path, '.');
    if (dot == nullptr || std::strchr(dot, '/') != nullptr) {
        return false;
    }
    for (const char* other : others) {
        if (strcasecmp(dot, other) == 0) {
            return true;
        }
    }
    return false;
}

// The platform may report success for an image it could not write whole. The bytes replace the
// output as a saved drawing does, so that a failure leaves the old picture whole.
bool SavePng(const std::string& bytes, const char* path, std::string& reason) {
    if (!CompletePng(bytes)) {
        reason = "the picture could not be made";
        return false;
    }
    return ReplaceFileContents(path, bytes, &reason);
}

// The platform writes the image into a scratch file of its own.
bool SavePicture(const PixelSurface& pixels, const char* path, std::string& reason) {
    std::string scratch = (std::filesystem::temp_directory_path() / "vexlin-png-XXXXXX").string();
    int fd = mkstemp(scratch.data());
    if (fd < 0) {
        reason = "no scratch file for the picture";
        return false;
    }
    close(fd);
    std::string bytes;
    bool saved = vHeadlessSession::SavePng(pixels, scratch.c_str());
    if (saved) {
        std::string why;
        saved = BoundedFile::Read(scratch.c_str(), BoundedFile::OutputLimit, bytes, why);
    }
    unlink(scratch.c_str());
    if (!saved) {
        reason = "the picture could not be made";
        return false;
    }
    return SavePng(bytes, path, reason);
}

// POV-Ray's top view of the drawing as a save would write it.
int SavePovrayPicture(const KCanvasPane& canvas, const char* drawing, const RenderValues& values,
                      const char* path) {
    std::string png;
    std::string messages;
    const bool rendered = RenderPovrayPicture(PreviewScene::Of(canvas, drawing, KindOfTheDrawing),
                                              PovrayViews::TopView, static_cast<int>(values.width),
                                              static_cast<int>(values.height), png, messages);
    std::fputs(messages.c_str(), stderr);
    if (!rendered) {
        return ExitRenderFailed;
    }
    std::string reason;
    if (!SavePng(png, path, reason)) {
        return ReportSaveFailure(path, reason);
    }
    std::printf("%s\n", path);
    return ExitOk;
}

// The picture the canvas would show, drawn anew over whatever the reader drew.
void Draw(KCanvasPane& canvas, const RenderValues& values) {
    switch (values.picture) {
        case Picture::Normal:
            canvas.RedrawOutline(true);
            break;
        case Picture::Curves:
            canvas.DrawAllCurves();
            break;
        case Picture::Set:
            canvas.RedrawSetCurve(static_cast<int>(values.set));
            break;
        case Picture::Povray:
            break;
    }
}

}  // namespace

int RunRender(int argc, char** argv) {
    RenderValues values;
    std::vector<const char*> files;
    const int parsed = ParseToolArguments("render", argc, argv, files,
                                          [&values](const char* name, ToolArguments& args) {
                                              return TakeRenderOption(name, args, values);
                                          });
    if (parsed != ToolContinue) {
        return parsed;
    }
    if (NamesOtherPictureType(files[1])) {
        return RefuseArgument("render", files[1], "the picture is a PNG: name it .png");
    }
    if (WouldReplaceInput("render", files[0], files[1],
                          "the picture would replace the drawing it shows")) {
        return ExitUsage;
    }
    vHeadlessSession session;
    int width = static_cast<int>(values.width);
    int height = static_cast<int>(values.height);
    KCanvasPane canvas(nullptr);
    auto* dc = new vMemoryDC(width, height);
    canvas.AdoptDC(dc);
    canvas.SizeChanged(width, height);
    editMode = AddPoint;
    Drawing drawing;
    int result = ReadDrawing(drawing, files[0]);
    if (result != ReadOk) {
        return result;
    }
    // The canvas draws in the program-wide kind, and shows a drawing read as Open does.
    const ShapeKindScope kind(drawing.kind);
    canvas.SetModel(drawing);
    canvas.RedrawOutline(true);
    if (values.picture == Picture::Set && (values.set < 1 || values.set > canvas.setCount)) {
        return RefuseArgument("render", "--picture set:" + std::to_string(values.set),
                              "the drawing has no set " + std::to_string(values.set));
    }
    if (values.picture == Picture::Povray) {
        return SavePovrayPicture(canvas, files[0], values, files[1]);
    }
    canvas.SetOptions(values.options);
    canvas.SetView(values.view);
    Draw(canvas, values);
    std::string reason;
    if (!SavePicture(dc->Pixels(), files[1], reason)) {
        return ReportSaveFailure(files[1], reason);
    }
    std::printf("%s\n", files[1]);
    return ExitOk;
}
