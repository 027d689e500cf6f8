// The settings file: the directory last opened from and whether the file dialogs start with the
// prism filter.
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>

#include "app/KryCmdWindow.h"
#include "app/ProgramState.h"
#include "app/SettingsLocation.h"
#include "app/SettingsText.h"
#include "scenefile/FileReplace.h"
#include "toolkit/ProgramPaths.h"

namespace {

// A path that does not fit the buffer is left empty rather than cut, so that no other file is
// ever read or replaced in its place.
void BuildSettingsPath() {
    const std::string folder =
        settingsFolder.empty() ? ProgramPaths::ExecutableFolder() : settingsFolder;
    const std::string path = folder.empty() ? folder : SettingsLocation::Choose(folder);
    if (path.empty() || path.size() >= sizeof settingsPath) {
        settingsPath[0] = '\0';
        return;
    }
    std::memcpy(settingsPath, path.c_str(), path.size() + 1);
}

}  // namespace

void KryCmdWindow::LoadSettings() {
    BuildSettingsPath();
    std::ifstream in(settingsPath);
    if (!in) {
        Notify("Unable to open INI FILE\n\n Creating NEW INI FILE");
        std::snprintf(lastDirectory, sizeof lastDirectory, "%s", "C:\\");
        SaveSettings();
        return;
    }
    std::ostringstream text;
    text << in.rdbuf();
    SettingsText::Parse(text.str(), lastDirectory, fileFilterIndex);
    // A remembered directory that has gone leaves the working directory where it was.
    const int entered = chdir(lastDirectory);
    (void)entered;
}

void KryCmdWindow::SaveSettings() {
    const std::string text = SettingsText::Compose(lastDirectory, fileFilterIndex);
    if (settingsPath[0] == '\0' || !ReplaceFileContents(settingsPath, text)) {
        Notify("Unable to Save INI");
    }
}
