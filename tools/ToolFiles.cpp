#include "tools/ToolFiles.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "io/RewriteJournal.h"
#include "scenefile/KindValues.h"
#include "scenefile/SceneReadDetails.h"
#include "scenefile/SceneReadResult.h"
#include "tools/ToolExit.h"
#include "tools/ToolMessages.h"

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

// What the writer refuses before it touches a file, said in words.
std::string WriterRefusal(const KCanvasPane& canvas, const char* path, int kindChoice) {
    std::string text;
    int kind = 0;
    const size_t length = std::strlen(path);
    if (length == 0) {
        return "the name is empty";
    }
    if (path[length - 1] == '/') {
        return "the name is a folder's";
    }
    if (KCanvasPane::NameToWrite(path, kindChoice).empty()) {
        return "the name is too long for its extension to be added";
    }
    std::string refusal;
    canvas.SceneFileText(path, kindChoice, text, kind, &refusal);
    return refusal;
}

}  // namespace

int ReadDrawing(KCanvasPane& canvas, const char* path) {
    const std::string journal = RewriteJournal::LeftFor(path);
    if (!journal.empty()) {
        std::fprintf(stderr,
                     "%s: may be torn: a save that rewrote it was cut short; its new content is "
                     "kept in %s\n",
                     path, journal.c_str());
        return ExitTornFile;
    }
    SceneReadDetails details;
    const int result = canvas.ReadSceneFile(path, details);
    if (result != ReadOk) {
        return ReportReadFailure(path, result, details.stopLine);
    }
    if (!details.foreignText.empty()) {
        std::fprintf(stderr, "%s: note: %s\n", path, details.foreignText.c_str());
    }
    return ReadOk;
}

int WriteDrawing(KCanvasPane& canvas, const char* path, int kindChoice) {
    const std::string refusal = WriterRefusal(canvas, path, kindChoice);
    if (!refusal.empty()) {
        // The name the file would have had, its extension included.
        const std::string named = KCanvasPane::NameToWrite(path, kindChoice);
        return ReportSaveFailure(named.empty() ? path : named, refusal);
    }
    // The editor's buffer holds 99 characters; a longer path fits here as long as it needs no
    // extension appended, which the writer refuses beyond 99 characters.
    std::vector<char> name(std::snprintf(nullptr, 0, "%s", path) + 100, '\0');
    std::snprintf(name.data(), name.size(), "%s", path);
    const int kindBefore = shapeKind;
    const int kind = KCanvasPane::KindToWrite(name.data(), kindChoice, kindBefore);
    const bool losing = WritingLosesValues(canvas, kindBefore, kind);
    errno = 0;
    std::string reason;
    if (!canvas.WriteSceneFile(name.data(), kindChoice, &reason)) {
        return reason.empty() ? ReportSaveFailure(name.data(), errno)
                              : ReportSaveFailure(name.data(), reason);
    }
    if (losing) {
        std::fprintf(stderr, "%s: note: %s\n", name.data(),
                     LostValuesNote(kindBefore, kind).c_str());
    }
    std::printf("%s\n", name.data());
    return ExitOk;
}

bool WouldReplaceInput(const char* command, const char* input, const char* output,
                       const char* reason) {
    if (!SameFile(input, output)) {
        return false;
    }
    RefuseArgument(command, output, reason);
    return true;
}

int ParseAndReadDrawing(const char* command, int argc, char** argv,
                        std::vector<const char*>& positional, const OptionHandler& option,
                        KCanvasPane& canvas) {
    const int parsed = ParseToolArguments(command, argc, argv, positional, option);
    if (parsed != ToolContinue) {
        return parsed;
    }
    const int read = ReadDrawing(canvas, positional[0]);
    return read == ReadOk ? ToolContinue : read;
}
