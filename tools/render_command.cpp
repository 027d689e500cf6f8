#include <stdlib.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "model/EditState.h"
#include "model/KCanvasPane.h"
#include "preview/PovrayPicture.h"
#include "scenefile/FileContents.h"
#include "scenefile/FileReplace.h"
#include "toolkit/platform/vHeadlessSession.h"
#include "toolkit/vMemoryDC.h"
#include "tools/ToolArguments.h"
#include "tools/ToolCommand.h"
#include "tools/ToolExit.h"
#include "tools/ToolFiles.h"
#include "tools/ToolHelp.h"

namespace {

constexpr long MaxSide = 8192;
// A kind choice other than polygon or prism writes the kind the drawing was read as.
constexpr int KindOfTheDrawing = 2;

enum Picture { PictureNormal, PictureCurves, PictureSet, PicturePovray };

struct RenderValues {
    long width = 300;
    long height = 300;
    Picture picture = PictureNormal;
    long set = 0;
};

bool TakeSize(const char* text, RenderValues& values) {
    const char* x = std::strchr(text, 'x');
    if (x == nullptr || x - text > 15) {
        return false;
    }
    char widthText[16] = {};
    std::memcpy(widthText, text, static_cast<size_t>(x - text));
    return ParseWhole(widthText, values.width) && ParseWhole(x + 1, values.height) &&
           values.width >= 1 && values.height >= 1 && values.width <= MaxSide &&
           values.height <= MaxSide;
}

bool TakePicture(const char* text, RenderValues& values) {
    if (std::strcmp(text, "normal") == 0) {
        values.picture = PictureNormal;
        return true;
    }
    if (std::strcmp(text, "curves") == 0) {
        values.picture = PictureCurves;
        return true;
    }
    if (std::strcmp(text, "povray") == 0) {
        values.picture = PicturePovray;
        return true;
    }
    values.picture = PictureSet;
    return std::strncmp(text, "set:", 4) == 0 && ParseWhole(text + 4, values.set);
}

// The platform may report success for an image it could not write whole. The bytes replace the
// output as a saved drawing does, so that a failure leaves the old picture whole.
bool SavePng(const std::string& bytes, const char* path) {
    return CompletePng(bytes) && ReplaceFileContents(path, bytes);
}

// The platform writes the image into a scratch file of its own.
bool SavePicture(const PixelSurface& pixels, const char* path) {
    std::string scratch = (std::filesystem::temp_directory_path() / "vexlin-png-XXXXXX").string();
    int fd = mkstemp(scratch.data());
    if (fd < 0) {
        return false;
    }
    close(fd);
    std::string bytes;
    bool saved = vHeadlessSession::SavePng(pixels, scratch.c_str());
    if (saved) {
        saved = ReadFileContents(scratch.c_str(), bytes);
    }
    unlink(scratch.c_str());
    return saved && SavePng(bytes, path);
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
    if (!SavePng(png, path)) {
        std::fprintf(stderr, "Unable to save file\n");
        return ExitWriteFailed;
    }
    std::printf("%s\n", path);
    return ExitOk;
}

// The picture the canvas would show, drawn anew over whatever the reader drew.
void Draw(KCanvasPane& canvas, const RenderValues& values) {
    switch (values.picture) {
        case PictureNormal:
            canvas.OnRedraw(1, 1, 1, 1);
            break;
        case PictureCurves:
            canvas.DrawAllCurves();
            break;
        case PictureSet:
            canvas.OnRedraw(-1, static_cast<int>(values.set), 1, 1);
            break;
        case PicturePovray:
            break;
    }
}

}  // namespace

int RunRender(int argc, char** argv) {
    RenderValues values;
    std::vector<const char*> files;
    bool parsed = ParseToolArguments(argc, argv, 2, 2, files,
                                     [&values](const char* name, ToolArguments& args) {
                                         const char* value = nullptr;
                                         if (std::strcmp(name, "size") == 0) {
                                             return args.Value(value) && TakeSize(value, values);
                                         }
                                         if (std::strcmp(name, "picture") == 0) {
                                             return args.Value(value) && TakePicture(value, values);
                                         }
                                         return false;
                                     });
    if (!parsed) {
        return UsageError();
    }
    if (WouldReplaceInput(files[0], files[1], "The picture would replace the drawing it shows")) {
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
    int result = ReadDrawing(canvas, files[0]);
    if (result != 0) {
        return result;
    }
    if (values.picture == PictureSet && (values.set < 1 || values.set > canvas.setCount)) {
        std::fprintf(stderr, "The drawing has no set %ld\n", values.set);
        return ExitUsage;
    }
    if (values.picture == PicturePovray) {
        return SavePovrayPicture(canvas, files[0], values, files[1]);
    }
    Draw(canvas, values);
    if (!SavePicture(dc->Pixels(), files[1])) {
        std::fprintf(stderr, "Unable to save file\n");
        return ExitWriteFailed;
    }
    std::printf("%s\n", files[1]);
    return ExitOk;
}
