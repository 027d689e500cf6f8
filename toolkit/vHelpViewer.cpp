#include "toolkit/vHelpViewer.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>

#include "toolkit/platform/vWindowPlatform.h"
#include "toolkit/util/ProgramPaths.h"
#include "toolkit/vBaseWindow.h"
#include "toolkit/vNoticeDialog.h"

bool vHelpViewer::ShowContents(const char* name) {
    const std::string wanted = name != nullptr ? name : "";
    const std::vector<std::string> places =
        Places(wanted, ProgramPaths::WorkingDirectory(), ProgramPaths::ExecutableFolder(),
               ProgramPaths::DataFolder());
    const std::string found = FirstReadable(places);
    if (found.empty()) {
        Notice(MissingNotice(wanted, places));
        return false;
    }
    vWindowHandle owner = _owner != nullptr ? _owner->Handle() : nullptr;
    if (!vWindowPlatform::Current().ShowHelp(owner, found.c_str())) {
        Notice("The help file\n " + found + "\ncould not be shown.");
        return false;
    }
    return true;
}

std::vector<std::string> vHelpViewer::Places(const std::string& name,
                                             const std::string& workingDirectory,
                                             const std::string& executableFolder,
                                             const std::string& dataFolder) {
    std::vector<std::string> places;
    if (name.empty()) {
        return places;
    }
    if (name.find('/') != std::string::npos) {
        places.push_back(name);
        return places;
    }
    for (const std::string* folder : {&workingDirectory, &executableFolder, &dataFolder}) {
        if (folder->empty()) {
            continue;
        }
        const std::string place = ProgramPaths::Join(*folder, name);
        if (std::find(places.begin(), places.end(), place) == places.end()) {
            places.push_back(place);
        }
    }
    return places;
}

std::string vHelpViewer::FirstReadable(const std::vector<std::string>& places) {
    for (const std::string& place : places) {
        struct stat status {};
        if (stat(place.c_str(), &status) == 0 && S_ISREG(status.st_mode) &&
            access(place.c_str(), R_OK) == 0) {
            return place;
        }
    }
    return std::string();
}

std::string vHelpViewer::MissingNotice(const std::string& name,
                                       const std::vector<std::string>& places) {
    std::string message = "The help file \"" + name + "\" was not found.";
    if (!places.empty()) {
        message += "\n\nLooked for:";
        for (const std::string& place : places) {
            message += "\n " + place;
        }
    }
    return message;
}

void vHelpViewer::Notice(const std::string& message) {
    // The notices' table keeps a pointer to the last message shown.
    static std::string shown;
    shown = message;
    vNoticeDialog notice(_owner, "Notice");
    notice.ShowNotice(shown.c_str());
}
