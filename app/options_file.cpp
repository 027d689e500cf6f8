#include <cstdio>
#include <string>

#include "app/OptionsText.h"
#include "app/ProgramOptions.h"
#include "app/ProgramState.h"
#include "app/SettingsLocation.h"
#include "io/BoundedFile.h"
#include "io/FileReplace.h"
#include "toolkit/util/ProgramPaths.h"

namespace {

CanvasOptions current;

// "" when the location rule gives no folder, with the reason in `why`.
std::string OptionsPath(std::string& why) {
    const std::string program =
        settingsFolder.empty() ? ProgramPaths::ExecutableFolder() : settingsFolder;
    const std::string folder = SettingsLocation::Folder(program, &why);
    return folder.empty() ? folder : ProgramPaths::Join(folder, OptionsText::kFileName);
}

}  // namespace

namespace ProgramOptions {

const CanvasOptions& Current() {
    return current;
}

void Load() {
    std::string why;
    std::string text;
    if (!BoundedFile::Read(OptionsPath(why).c_str(), BoundedFile::SmallLimit, text, why)) {
        text.clear();
    }
    current = OptionsText::Parse(text);
}

bool Change(const CanvasOptions& options) {
    current = options;
    std::string why;
    const std::string path = OptionsPath(why);
    if (!path.empty()) {
        if (SettingsLocation::PrepareFor(path, why) &&
            ReplaceFileContents(path.c_str(), OptionsText::Compose(options), &why)) {
            return true;
        }
        why = path + ": " + why;
    }
    std::fprintf(stderr, "Vexlin: the options cannot be kept: %s\n", why.c_str());
    return false;
}

}  // namespace ProgramOptions
