#include "toolkit/util/ProgramPaths.h"

#include <unistd.h>

#include <cerrno>

#include <vector>

std::string ProgramPaths::Executable() {
    // The link's length is not known in advance; grow until the whole target fits.
    std::vector<char> buffer(256);
    for (;;) {
        const ssize_t length = readlink("/proc/self/exe", buffer.data(), buffer.size());
        if (length < 0) {
            return std::string();
        }
        if (static_cast<size_t>(length) < buffer.size()) {
            return std::string(buffer.data(), static_cast<size_t>(length));
        }
        buffer.resize(buffer.size() * 2);
    }
}

std::string ProgramPaths::ExecutableFolder() {
    return FolderOf(Executable());
}

std::string ProgramPaths::DataFolder() {
    const std::string prefix = FolderOf(ExecutableFolder());
    return prefix.empty() ? prefix : Join(Join(prefix, "share"), "vexlin");
}

std::string ProgramPaths::WorkingDirectory() {
    std::vector<char> buffer(256);
    while (getcwd(buffer.data(), buffer.size()) == nullptr) {
        if (errno != ERANGE) {
            return std::string();
        }
        buffer.resize(buffer.size() * 2);
    }
    return std::string(buffer.data());
}

std::string ProgramPaths::FolderOf(const std::string& path) {
    const size_t slash = path.rfind('/');
    if (slash == std::string::npos) {
        return std::string();
    }
    return slash == 0 ? std::string("/") : path.substr(0, slash);
}

std::string ProgramPaths::Join(const std::string& folder, const std::string& name) {
    if (folder.empty() || folder.back() == '/') {
        return folder + name;
    }
    return folder + "/" + name;
}
