#include "toolkit/vFileSelect.h"

#include <unistd.h>

#include <cstring>

#include "toolkit/util/ProgramPaths.h"
#include "toolkit/vBaseWindow.h"
#include "toolkit/vNoticeDialog.h"

namespace {
constexpr const char* kTooLong = "The name of the chosen file is too long.";
}

vFileSelect::vFileSelect(vBaseWindow* owner, const char* caption) : _owner(owner) {
    (void)caption;
}

std::vector<vFileFilter> vFileSelect::BuildFilters(const char* const* patterns) {
    std::vector<vFileFilter> filters;
    if (patterns == nullptr || patterns[0] == nullptr || patterns[0][0] == '\0') {
        filters.push_back({"All files(*.*)", "*"});
        return filters;
    }
    size_t length = 0;
    for (const char* const* pattern = patterns; *pattern != nullptr; ++pattern) {
        // Each pattern goes in twice (as description and as pattern), each followed by '|'.
        const size_t grown = length + 2 * (std::strlen(*pattern) + 1);
        if (grown >= static_cast<size_t>(kMaxFilterText)) {
            break;
        }
        length = grown;
        filters.push_back({*pattern, *pattern});
    }
    return filters;
}

int vFileSelect::PickFile(const char* title, char* buffer, int bufferSize,
                          const char* const* patterns, int& patternIndex) {
    vFileRequest request;
    request.title = title;
    return Pick(request, buffer, bufferSize, patterns, patternIndex);
}

int vFileSelect::PickSaveFile(const char* title, char* buffer, int bufferSize,
                              const char* const* patterns, int& patternIndex, int directoryOnly,
                              const char* initialDirectory) {
    vFileRequest request;
    request.title = title;
    request.save = true;
    request.directoryOnly = directoryOnly != 0;
    request.initialDirectory = initialDirectory != nullptr ? initialDirectory : "";
    const int chosen = Pick(request, buffer, bufferSize, patterns, patternIndex);
    if (chosen == 0 && buffer != nullptr && bufferSize > 0) {
        buffer[0] = '\0';
    }
    return chosen;
}

int vFileSelect::Pick(vFileRequest& request, char* buffer, int bufferSize,
                      const char* const* patterns, int& patternIndex) {
    vFileChooser* chooser = vFileChooser::Current();
    if (chooser == nullptr || buffer == nullptr || bufferSize <= 0) {
        return 0;
    }
    request.owner = _owner != nullptr ? _owner->Handle() : nullptr;
    request.filters = BuildFilters(patterns);
    const bool hasPatterns = patterns != nullptr && patterns[0] != nullptr && patterns[0][0];
    request.filterIndex = hasPatterns ? patternIndex : 0;
    request.initialName.assign(buffer, strnlen(buffer, static_cast<size_t>(bufferSize)));
    std::string path;
    int filter = request.filterIndex;
    if (!chooser->ChooseFile(request, path, filter)) {
        return 0;
    }
    const std::string folder = ProgramPaths::FolderOf(path);
    const std::string& result = request.directoryOnly ? folder : path;
    // A path cut to fit the buffer would name a different file: refuse it instead.
    if (result.size() >= static_cast<size_t>(bufferSize)) {
        vNoticeDialog notice(_owner, "Notice");
        notice.ShowNotice(kTooLong);
        return 0;
    }
    std::memcpy(buffer, result.c_str(), result.size() + 1);
    if (!folder.empty()) {
        // A folder that cannot be entered leaves the working directory as it was.
        const int entered = chdir(folder.c_str());
        (void)entered;
    }
    patternIndex = filter;
    return 1;
}
