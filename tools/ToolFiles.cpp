#include "tools/ToolFiles.h"

#include <cstdio>
#include <vector>

#include "scenefile/SceneReadResult.h"
#include "tools/ToolExit.h"
#include "tools/ToolHelp.h"

int ReadDrawing(KCanvasPane& canvas, const char* path) {
    int result = canvas.ReadSceneFile(path);
    if (result != ReadOk) {
        const char* notice = SceneReadNotice(result);
        std::fprintf(stderr, "%s\n", notice != nullptr ? notice : "Unable to open file.");
    }
    return result;
}

int WriteDrawing(KCanvasPane& canvas, const char* path, int kindChoice) {
    // The editor's buffer holds 99 characters; a longer path fits here as long as it needs no
    // extension appended, which the writer refuses beyond 99 characters.
    std::vector<char> name(std::snprintf(nullptr, 0, "%s", path) + 100, '\0');
    std::snprintf(name.data(), name.size(), "%s", path);
    if (!canvas.WriteSceneFile(name.data(), kindChoice)) {
        std::fprintf(stderr, "Unable to save file\n");
        return ExitWriteFailed;
    }
    std::printf("%s\n", name.data());
    return ExitOk;
}

int ParseAndReadDrawing(int argc, char** argv, int minPositional, int maxPositional,
                        std::vector<const char*>& positional, const OptionHandler& option,
                        KCanvasPane& canvas) {
    if (!ParseToolArguments(argc, argv, minPositional, maxPositional, positional, option)) {
        return UsageError();
    }
    return ReadDrawing(canvas, positional[0]);
}
