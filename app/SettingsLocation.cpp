#include "app/SettingsLocation.h"

#include <fcntl.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "toolkit/ProgramPaths.h"

namespace {

// Asked with the effective ids, those the file would be written with.
bool Writable(const char* path) {
    return faccessat(AT_FDCWD, path, W_OK, AT_EACCESS) == 0;
}

bool CanWriteFile(const std::string& file) {
    if (access(file.c_str(), F_OK) == 0) {
        return Writable(file.c_str());
    }
    const std::string folder = ProgramPaths::FolderOf(file);
    return Writable(folder.empty() ? "." : folder.c_str());
}

// An environment variable that names an absolute folder; a relative one means nothing.
std::string AbsoluteFolderFrom(const char* variable) {
    const char* value = std::getenv(variable);
    return value != nullptr && value[0] == '/' ? std::string(value) : std::string();
}

}  // namespace

bool (*SettingsLocation::canWrite)(const std::string& file) = CanWriteFile;

std::string SettingsLocation::UserFolder() {
    std::string config = AbsoluteFolderFrom("XDG_CONFIG_HOME");
    if (config.empty()) {
        const std::string home = AbsoluteFolderFrom("HOME");
        if (home.empty()) {
            return std::string();
        }
        config = ProgramPaths::Join(home, ".config");
    }
    return ProgramPaths::Join(config, "vexlin");
}

std::string SettingsLocation::Choose(const std::string& programFolder) {
    const std::string beside = ProgramPaths::Join(programFolder, kFileName);
    if (canWrite(beside)) {
        return beside;
    }
    const std::string folder = UserFolder();
    if (folder.empty()) {
        return beside;
    }
    std::error_code ignored;
    std::filesystem::create_directories(folder, ignored);
    const std::string user = ProgramPaths::Join(folder, kFileName);
    return canWrite(user) ? user : beside;
}
