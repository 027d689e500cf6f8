#pragma once

#include <string>
#include <vector>

class vBaseWindow;

// Opens a help document at its contents page in the platform's help window, which stays open
// beside the program. A bare name is looked for in the working directory, beside the executable,
// then in the installed data folder; a name with a folder is taken as it stands.
class vHelpViewer {
public:
    // Owner is the window asking for help; notices are shown over it.
    explicit vHelpViewer(vBaseWindow* owner) : _owner(owner) {}

    // True when the document is shown; otherwise a notice says where it was looked for.
    bool ShowContents(const char* name);

    // The files a name stands for, in the order they are tried, each once.
    static std::vector<std::string> Places(const std::string& name,
                                           const std::string& workingDirectory,
                                           const std::string& executableFolder,
                                           const std::string& dataFolder);
    // The first place that is a readable file, or "".
    static std::string FirstReadable(const std::vector<std::string>& places);
    static std::string MissingNotice(const std::string& name,
                                     const std::vector<std::string>& places);

private:
    void Notice(const std::string& message);

    vBaseWindow* _owner;
};
