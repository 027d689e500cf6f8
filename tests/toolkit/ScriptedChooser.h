#pragma once

#include <string>

#include "toolkit/platform/vFileChooser.h"
#include "toolkit/platform/vPlatformOverride.h"

// Answers every chooser with a fixed path and filter, and remembers the last request and how
// many were made.
class ScriptedChooser : public vFileChooser {
public:
    bool answer = true;
    std::string path;
    int filter = 0;
    vFileRequest seen;
    int calls = 0;

    bool ChooseFile(const vFileRequest& request, std::string& chosen, int& index) override {
        seen = request;
        ++calls;
        chosen = path;
        index = filter;
        return answer;
    }

private:
    vPlatformOverride<vFileChooser> _installed{&vPlatform::fileChooser, this};
};
