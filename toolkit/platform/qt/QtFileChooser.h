#pragma once

#include "toolkit/platform/vFileChooser.h"

// Open and save choosers with Qt's own (non-native) file dialog.
class QtFileChooser : public vFileChooser {
public:
    bool ChooseFile(const vFileRequest& request, std::string& path, int& filterIndex) override;
};
