#include "app/SettingsLocation.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <system_error>

#include "toolkit/util/ProgramPaths.h"

namespace {

// An environment variable that names an absolute folder; a relative one means nothing.
std::string AbsoluteFolderFrom(const char* variable) {
    const char* value = std::getenv(variable);
    return value != nullptr && value[0] == '/' ? std::string(value) : std::string();
}

bool Exists(const std::string& path) {
    struct stat info;
    return lstat(path.c_str(), &info) == 0;
}

// The path itself when it exists, else the nearest folder above it that does.
std::string NearestExisting(std::string path) {
    while (!path.empty() && !Exists(path)) {
        const std::string folder = ProgramPaths::FolderOf(path);
        path = folder == path ? std::string() : folder;
    }
    return path;
}

bool OwnedByAnotherUser(const std::string& path) {
    struct stat info;
    return stat(path.c_str(), &info) == 0 && info.st_uid != geteuid();
}

}  // namespace

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

std::string SettingsLocation::Folder(const std::string& programFolder, std::string* why) {
    if (!programFolder.empty() && Exists(ProgramPaths::Join(programFolder, kBuildMarker))) {
        return programFolder;
    }
    const std::string folder = UserFolder();
    if (folder.empty() && why != nullptr) {
        *why = "neither XDG_CONFIG_HOME nor HOME names a folder";
    }
    return folder;
}

bool SettingsLocation::PrepareFor(const std::string& file, std::string& why) {
    if (Exists(file)) {
        return true;
    }
    const std::string folder = ProgramPaths::FolderOf(file);
    const std::string nearest = NearestExisting(folder);
    if (geteuid() == 0 && !nearest.empty() && OwnedByAnotherUser(nearest)) {
        why = nearest + " belongs to another user";
        return false;
    }
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (error) {
        why = "cannot make " + folder + ": " + error.message();
        return false;
    }
    return true;
}
