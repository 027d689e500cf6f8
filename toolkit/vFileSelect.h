#pragma once

#include <string>
#include <vector>

#include "toolkit/platform/vFileChooser.h"

class vBaseWindow;

// The open and save file choosers with the toolkit's protocol: 1 when a file was chosen (the
// full path in the caller's buffer), 0 otherwise; pattern lists with a 0-based index in and out.
class vFileSelect {
public:
    // Filter strings stay under this many characters, separators included.
    static constexpr int kMaxFilterText = 256;

    vFileSelect(vBaseWindow* owner, const char* caption);

    int PickFile(const char* title, char* buffer, int bufferSize, const char* const* patterns,
                 int& patternIndex);
    int PickSaveFile(const char* title, char* buffer, int bufferSize, const char* const* patterns,
                     int& patternIndex, int directoryOnly, const char* initialDirectory);

    // The filter list offered for a pattern list: each pattern is its own description; with no
    // patterns, all files. Patterns that would take the filter text to 256 characters or more
    // are left out, with every pattern after them.
    static std::vector<vFileFilter> BuildFilters(const char* const* patterns);

private:
    int Pick(vFileRequest& request, char* buffer, int bufferSize, const char* const* patterns,
             int& patternIndex);

    vBaseWindow* _owner;
};
