#include "tools/ToolFiles.h"

#include <sys/stat.h>

#include <cstdio>
#include <cstring>
#include <vector>

#include "scenefile/KindValues.h"
#include "scenefile/SceneReadResult.h"
#include "tools/ToolExit.h"
#include "tools/ToolHelp.h"

namespace {

// True when both names lead to one file, or are one name for a file not there yet.
bool SameFile(const char* a, const char* b) {
    struct stat first;
    struct stat second;
    if (stat(a, &first) != 0 || stat(b, &second) != 0) {
        return std::strcmp(a, b) == 0;
    }
    return first.st_dev == second.st_dev && first.st_ino == second.st_ino;
}

}  // namespace

int ReadDrawing(KCanvasPane& canvas, const char* path) {
    const char* hint = nullptr;
    int result = canvas.ReadSceneFile(path, &hint);
    if (result != ReadOk) {
        const char* notice = SceneReadNotice(result);
        std::fprintf(stderr, "%s\n", notice != nullptr ? notice : "Unable to open file.");
    }
    if (hint != nullptr) {
        std::fprintf(stderr, "%s: %s\n", path, hint);
    }
    return result;
}

int WriteDrawing(KCanvasPane& canvas, const char* path, int kindChoice) {
    // The editor's buffer holds 99 characters; a longer path fits here as long as it needs no
    // extension appended, which the writer refuses beyond 99 characters.
    std::vector<char> name(std::snprintf(nullptr, 0, "%s", path) + 100, '\0');
    std::snprintf(name.data(), name.size(), "%s", path);
    const int kindBefore = shapeKind;
    const int kind = KCanvasPane::KindToWrite(name.data(), kindChoice, kindBefore);
    const bool losing = WritingLosesValues(canvas, kindBefore, kind);
    std::string reason;
    if (!canvas.WriteSceneFile(name.data(), kindChoice, &reason)) {
        return SaveFailed(name.data(), reason);
    }
    if (losing) {
        std::fprintf(stderr, "%s: note: %s\n", name.data(),
                     LostValuesNote(kindBefore, kind).c_str());
    }
    std::printf("%s\n", name.data());
    return ExitOk;
}

int SaveFailed(const char* path, const std::string& reason) {
    std::fprintf(stderr, "%s: Unable to save file%s%s\n", path, reason.empty() ? "" : ": ",
                 reason.c_str());
    return ExitWriteFailed;
}

bool WouldReplaceInput(const char* input, const char* output, const char* message) {
    if (!SameFile(input, output)) {
        return false;
    }
    std::fprintf(stderr, "%s\n", message);
    return true;
}

int ParseAndReadDrawing(int argc, char** argv, int minPositional, int maxPositional,
                        std::vector<const char*>& positional, const OptionHandler& option,
                        KCanvasPane& canvas) {
    if (!ParseToolArguments(argc, argv, minPositional, maxPositional, positional, option)) {
        return UsageError();
    }
    return ReadDrawing(canvas, positional[0]);
}
