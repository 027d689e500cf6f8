#include "tools/ToolMessages.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "interchange/ImportSource.h"
#include "interchange/PovObjectWords.h"
#include "io/BoundedFile.h"
#include "io/SaveFailure.h"
#include "scenefile/SceneReadResult.h"
#include "tools/ToolExit.h"

namespace {

// Why the reader could not open the file, in the system's words.
std::string OpenFailureReason(const std::string& path) {
    const std::string refusal = BoundedFile::Refusal(path.c_str(), BoundedFile::DocumentLimit);
    return refusal.empty() ? std::strerror(EIO) : refusal;
}

// A POV-Ray object the import reads, though the editor's own layout is not there.
bool FileHoldsSceneObject(const std::string& path) {
    std::string text;
    std::string why;
    return ReadSourceFile(path.c_str(), text, why) && HoldsSceneObject(text);
}

std::string Shown(const std::string& argument) {
    std::string shown;
    for (unsigned char c : argument) {
        if (c == '\n') {
            shown += "\\n";
        } else if (c == '\r') {
            shown += "\\r";
        } else if (c < 0x20 || c == 0x7f) {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\x%02x", c);
            shown += escape;
        } else {
            shown += static_cast<char>(c);
        }
    }
    return shown;
}

int Print(const std::string& text, int code) {
    std::fputs(text.c_str(), stderr);
    return code;
}

}  // namespace

std::string ReadFailureText(const std::string& path, int result, int line) {
    const char* notice = SceneReadNotice(result);
    const std::string text = notice != nullptr ? notice : SceneReadNotice(ReadCannotOpen);
    if (result == ReadCannotOpen) {
        return path + ": " + text + " (" + OpenFailureReason(path) + ")\n";
    }
    std::string said = path + ": line " + std::to_string(line) + ": " + text + "\n";
    if (FileHoldsSceneObject(path)) {
        said += "try: vexlin-tool import " + path + " OUT\n";
    }
    return said;
}

int ReportReadFailure(const std::string& path, int result, int line) {
    return Print(ReadFailureText(path, result, line), result);
}

std::string SaveFailureText(const std::string& path, const std::string& reason) {
    return path + ": Unable to save file: " + reason + "\n";
}

int ReportSaveFailure(const std::string& path, int errorAfter) {
    return ReportSaveFailure(path, SaveFailureReason(path, errorAfter));
}

int ReportSaveFailure(const std::string& path, const std::string& reason) {
    return Print(SaveFailureText(path, reason), ExitWriteFailed);
}

std::string RefusalText(const std::string& command, const std::string& argument,
                        const std::string& reason) {
    const std::string tool = command.empty() ? "vexlin-tool" : "vexlin-tool " + command;
    return tool + ": " + Shown(argument) + ": " + reason + "\nTry '" + tool + " --help'.\n";
}

int RefuseArgument(const std::string& command, const std::string& argument,
                   const std::string& reason) {
    return Print(RefusalText(command, argument, reason), ExitUsage);
}
