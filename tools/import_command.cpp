#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "interchange/ImportSource.h"
#include "interchange/PovSceneImport.h"
#include "model/EditState.h"
#include "scenefile/KindChoice.h"
#include "scenefile/SceneKind.h"
#include "scenefile/SceneReadResult.h"
#include "scenefile/SceneWriting.h"
#include "tools/DrawingOptions.h"
#include "tools/ImportedDrawing.h"
#include "tools/ToolArguments.h"
#include "tools/ToolCommand.h"
#include "tools/ToolExit.h"
#include "tools/ToolFiles.h"
#include "tools/ToolMessages.h"

namespace {

struct ImportValues {
    SceneObjectChoice choice;
    bool fit = false;
    bool list = false;
    bool all = false;
};

OptionResult TakeOption(const char* name, ToolArguments& args, ImportValues& values,
                        DrawingOptions& options) {
    const char* value = nullptr;
    long number = 0;
    if (std::strcmp(name, "fit") == 0 || std::strcmp(name, "list") == 0 ||
        std::strcmp(name, "all") == 0) {
        (name[0] == 'f' ? values.fit : name[0] == 'l' ? values.list : values.all) = true;
        return OptionResult();
    }
    if (std::strcmp(name, "name") == 0 || std::strcmp(name, "object") == 0) {
        if (!args.Value(value)) {
            return OptionStatus::MissingValue;
        }
        if (name[0] == 'n') {
            values.choice.name = value;
            return OptionResult();
        }
        if (!ParseWhole(value, number) || number < 1 || number >= 1 << 30) {
            return OptionResult::BadValue("not a whole number from 1");
        }
        values.choice.number = static_cast<int>(number);
        return OptionResult();
    }
    return options.Take(name, args);
}

// Makes the outline a drawing and writes it as out; the exit code.
int WriteOutline(Outline outline, ImportReport& report, bool read, const char* in, const char* out,
                 const ImportValues& values, const DrawingOptions& options) {
    return WriteImportedDrawing(outline, report, read, {"import", in, out, values.fit}, options);
}

void PrintSceneNotes(const EvaluatedScene& scene) {
    for (const std::string& note : scene.notes) {
        std::fprintf(stderr, "note: %s\n", note.c_str());
    }
}

int ListObjects(const EvaluatedScene& scene) {
    for (size_t i = 0; i < scene.objects.size(); ++i) {
        std::printf("%s\n", scene.objects[i].Listing(static_cast<int>(i) + 1).c_str());
    }
    for (const EvaluatedScene::Unreached& unreached : scene.unreached) {
        std::printf("-  %s%s  (refused: %s)\n", unreached.kind.c_str(),
                    unreached.name.empty() ? "" : ("  " + unreached.name).c_str(),
                    unreached.Message().c_str());
    }
    PrintSceneNotes(scene);
    if (!scene.error.empty()) {
        std::fprintf(stderr, "%s\n", scene.error.c_str());
    }
    return scene.objects.empty() && !scene.error.empty() ? ExitImportRefused : ExitOk;
}

// STEM-1.EXT, STEM-2.EXT, ...: the stem is OUT without a drawing's extension.
int WriteAll(const std::string& text, const EvaluatedScene& scene, const char* in, const char* out,
             const ImportValues& values, const DrawingOptions& options) {
    std::string stem = out;
    if (KindOfExtension(out) >= 0) {
        stem.resize(stem.size() - 4);
    }
    int worst = scene.objects.empty() ? ExitImportRefused : ExitOk;
    for (size_t i = 0; i < scene.objects.size(); ++i) {
        SceneObjectChoice choice;
        choice.number = static_cast<int>(i) + 1;
        Outline outline;
        ImportReport report;
        const bool read = TakeSceneObject(text, scene, choice, outline, report);
        const std::string name = stem + "-" + std::to_string(i + 1);
        const ShapeKind kind = KindToWrite(name.c_str(), KindChoice::Filter(options.KindChoice()),
                                           read ? static_cast<ShapeKind>(outline.kind) : Polygon);
        const std::string file = name + SceneKindOf(kind).extension;
        const int status = WriteOutline(outline, report, read, in, file.c_str(), values, options);
        worst = status != ExitOk ? status : worst;
    }
    if (scene.objects.empty()) {
        std::fprintf(stderr, "%s\n",
                     scene.error.empty() ? "No prism, polygon, lathe or sor object found"
                                         : scene.error.c_str());
    }
    return worst;
}

void NoteOthers(const EvaluatedScene& scene, const ImportValues& values) {
    if (values.choice.number == 0 && values.choice.name.empty() && scene.objects.size() > 1) {
        std::fprintf(stderr,
                     "note: the scene creates %zu objects; the first is imported (--list lists "
                     "them, --object N or --name NAME picks another, --all imports each)\n",
                     scene.objects.size());
    }
}

}  // namespace

int RunImport(int argc, char** argv) {
    ImportValues values;
    DrawingOptions options;
    std::vector<const char*> files;
    const int parsed =
        ParseToolArguments("import", argc, argv, files, [&](const char* name, ToolArguments& args) {
            return TakeOption(name, args, values, options);
        });
    if (parsed != ToolContinue) {
        return parsed;
    }
    if (files.size() < 2 && !values.list) {
        return RefuseArgument("import", "OUT", "missing");
    }
    std::string text;
    std::string why;
    if (!ReadSourceFile(files[0], text, why)) {
        return ReportReadFailure(files[0], ReadCannotOpen, 0);
    }
    if (IsSvgText(text)) {
        Outline outline;
        ImportReport report;
        const char* name = values.choice.name.empty() ? nullptr : values.choice.name.c_str();
        if (values.list) {
            std::fprintf(stderr,
                         "note: an SVG document is read whole: it has no objects to list\n");
            return ExitOk;
        }
        const bool read = ReadOutlineText(text, name, outline, report);
        return WriteOutline(outline, report, read, files[0], files[1], values, options);
    }
    const EvaluatedScene scene = EvaluatePovScene(text, FolderOf(files[0]));
    if (values.list) {
        return ListObjects(scene);
    }
    PrintSceneNotes(scene);
    if (values.all) {
        return WriteAll(text, scene, files[0], files[1], values, options);
    }
    Outline outline;
    ImportReport report;
    const bool read = TakeSceneObject(text, scene, values.choice, outline, report);
    NoteOthers(scene, values);
    return WriteOutline(outline, report, read, files[0], files[1], values, options);
}
