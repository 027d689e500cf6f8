#pragma once

#include <string>
#include <vector>

#include "toolkit/platform/vPlatform.h"
#include "toolkit/vHandles.h"

// One entry of a chooser's filter list: what it is called and its patterns separated by ';'.
struct vFileFilter {
    std::string description;
    std::string patterns;
};

// What a file chooser is asked.
struct vFileRequest {
    vWindowHandle owner = nullptr;
    const char* title = "";
    std::vector<vFileFilter> filters;
    // 0-based entry of `filters` selected at the start.
    int filterIndex = 0;
    std::string initialName;
    std::string initialDirectory;
    bool save = false;
    bool directoryOnly = false;
};

// The platform's open and save file choosers.
class vFileChooser {
public:
    virtual ~vFileChooser() = default;
    // Runs the chooser; on success the full path and the 0-based filter chosen, else false.
    virtual bool ChooseFile(const vFileRequest& request, std::string& path, int& filterIndex) = 0;

    static vFileChooser* Current() { return vPlatform::Get().fileChooser; }
};
