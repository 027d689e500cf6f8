#include "tools/ToolFiles.h"

#include <sys/stat.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "io/RewriteJournal.h"
#include "scenefile/KindValues.h"
#include "scenefile/SceneReadDetails.h"
#include "scenefile/SceneReadResult.h"
#include "scenefile/SceneReading.h"
#include "scenefile/SceneWriting.h"
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
std::string WriterRefusal(const Drawing& drawing, const char* path, KindChoice choice) {
    const size_t length = std::strlen(path);
    if (length == 0) {
        return "the name is empty";
    }
    if (path[length - 1] == '/') {
        return "the name is a folder's";
    }
    return ComposeSceneFile(drawing, path, choice).refusal;
}

}  // namespace

int ReadDrawing(Drawing& drawing, const char* path) {
    const std::string journal = RewriteJournal::LeftFor(path);
    if (!journal.empty()) {
        std::fprintf(stderr,
                     "%s: may be torn: a save that rewrote it was cut short; its new content is "
                     "kept in %s\n",
                     path, journal.c_str());
        return ExitTornFile;
    }
    SceneRead read = ReadScene(path, Drawing());
    drawing = read.drawing;
    if (!read.Ok()) {
        return ReportReadFailure(path, read.result, read.details.stopLine);
    }
    if (!read.details.foreignText.empty()) {
        std::fprintf(stderr, "%s: note: %s\n", path, read.details.foreignText.c_str());
    }
    return ReadOk;
}

int WriteDrawing(const Drawing& drawing, const char* path, int kindChoice) {
    const KindChoice choice = KindChoice::Filter(kindChoice);
    const std::string refusal = WriterRefusal(drawing, path, choice);
    if (!refusal.empty()) {
        // The name the file would have had, its extension included.
        const std::string named = NameToWrite(path, choice, drawing.kind, NamingRule::Tool);
        return ReportSaveFailure(named.empty() ? path : named, refusal);
    }
    const ShapeKind kind = KindToWrite(path, choice, drawing.kind);
    const bool losing = WritingLosesValues(drawing, drawing.kind, kind);
    const SaveResult saved = WriteScene(drawing, path, choice, NamingRule::Tool);
    const std::string& name = saved.name.empty() ? std::string(path) : saved.name;
    if (!saved.ok) {
        return saved.message.empty() ? ReportSaveFailure(name, saved.systemError)
                                     : ReportSaveFailure(name, saved.message);
    }
    if (losing) {
        std::fprintf(stderr, "%s: note: %s\n", name.c_str(),
                     LostValuesNote(drawing.kind, kind).c_str());
    }
    std::printf("%s\n", name.c_str());
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
                        Drawing& drawing) {
    const int parsed = ParseToolArguments(command, argc, argv, positional, option);
    if (parsed != ToolContinue) {
        return parsed;
    }
    const int read = ReadDrawing(drawing, positional[0]);
    return read == ReadOk ? ToolContinue : read;
}
