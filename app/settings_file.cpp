// The settings file: the directory last opened from and whether the file dialogs start with the
// prism filter.
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>

#include "app/KryCmdWindow.h"
#include "app/ProgramOptions.h"
#include "app/ProgramState.h"
#include "app/SettingsLocation.h"
#include "app/SettingsText.h"
#include "io/BoundedFile.h"
#include "io/FileReplace.h"
#include "io/SaveFailure.h"
#include "toolkit/util/ProgramPaths.h"

namespace {

// Why the settings file cannot be kept, when the location rule already knows.
std::string settingsProblem;

// A path that does not fit the buffer is left empty rather than cut, so that no other file is
// ever read or replaced in its place.
void BuildSettingsPath() {
    const std::string program =
        settingsFolder.empty() ? ProgramPaths::ExecutableFolder() : settingsFolder;
    settingsProblem.clear();
    const std::string folder = SettingsLocation::Folder(program, &settingsProblem);
    const std::string path =
        folder.empty() ? folder : ProgramPaths::Join(folder, SettingsLocation::kFileName);
    settingsPath[0] = '\0';
    if (path.size() >= sizeof settingsPath) {
        settingsProblem = path + ": the name is too long";
    } else if (!path.empty()) {
        std::memcpy(settingsPath, path.c_str(), path.size() + 1);
    }
}

bool WriteSettings(const std::string& text) {
    std::string why = settingsProblem;
    if (settingsPath[0] != '\0') {
        errno = 0;
        if (SettingsLocation::PrepareFor(settingsPath, why) &&
            ReplaceFileContents(settingsPath, text)) {
            return true;
        }
        why = std::string(settingsPath) + ": " +
              (why.empty() ? SaveFailureReason(settingsPath, errno) : why);
    }
    // The notice cannot say where or why; a terminal is told.
    std::fprintf(stderr, "Vexlin: Unable to Save INI: %s\n", why.c_str());
    return false;
}

}  // namespace

void KryCmdWindow::LoadSettings() {
    ProgramOptions::Load();
    ApplyOptions();
    BuildSettingsPath();
    // A settings file that cannot be read, a named pipe or a device included, is a missing one.
    std::string text;
    std::string why;
    if (!BoundedFile::Read(settingsPath, BoundedFile::SmallLimit, text, why)) {
        Notify("Unable to open INI FILE\n\n Creating NEW INI FILE");
        std::snprintf(lastDirectory, sizeof lastDirectory, "%s", "C:\\");
        SaveSettings();
        return;
    }
    SettingsText::Parse(text, lastDirectory, fileFilterIndex);
    // A remembered directory that has gone leaves the working directory where it was.
    const int entered = chdir(lastDirectory);
    (void)entered;
}

void KryCmdWindow::SaveSettings() {
    if (!WriteSettings(SettingsText::Compose(lastDirectory, fileFilterIndex))) {
        Notify("Unable to Save INI");
    }
}
