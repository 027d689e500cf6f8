#include "preview/PreviewFolder.h"

#include <errno.h>
#include <signal.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;

namespace {

constexpr char kPrefix[] = "vexlin-preview-";

// The process that made a folder named kPrefix + pid + "-XXXXXX", or 0 for any other name.
pid_t MakerOf(const std::string& name) {
    if (name.compare(0, sizeof kPrefix - 1, kPrefix) != 0) {
        return 0;
    }
    const char* digits = name.c_str() + sizeof kPrefix - 1;
    char* end = nullptr;
    errno = 0;
    const long pid = strtol(digits, &end, 10);
    if (end == digits || *end != '-' || errno != 0 || pid <= 0 || pid != pid_t(pid)) {
        return 0;
    }
    return pid_t(pid);
}

// Removes the preview folders of this user whose maker has gone: a killed editor could not.
void RemoveLeftFolders(const fs::path& temporary) {
    std::error_code error;
    for (fs::directory_iterator entry(temporary, error), end; !error && entry != end;
         entry.increment(error)) {
        const pid_t maker = MakerOf(entry->path().filename().string());
        struct stat facts;
        if (maker == 0 || lstat(entry->path().c_str(), &facts) != 0 || !S_ISDIR(facts.st_mode) ||
            facts.st_uid != geteuid() || kill(maker, 0) == 0 || errno != ESRCH) {
            continue;
        }
        std::error_code ignored;
        fs::remove_all(entry->path(), ignored);
    }
}

}  // namespace

PreviewFolder::PreviewFolder() {
    std::error_code error;
    fs::path temporary = fs::temp_directory_path(error);
    if (error) {
        temporary = "/tmp";
    }
    RemoveLeftFolders(temporary);
    std::string pattern = (temporary / (kPrefix + std::to_string(getpid()) + "-XXXXXX")).string();
    if (mkdtemp(pattern.data()) != nullptr) {
        _path = pattern;
    }
}

PreviewFolder::~PreviewFolder() {
    if (Ready()) {
        std::error_code ignored;
        fs::remove_all(_path, ignored);
    }
}

bool PreviewFolder::Write(const std::string& name, const std::string& bytes) const {
    if (!Ready()) {
        return false;
    }
    std::ofstream out(File(name), std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    return !out.fail();
}

void PreviewFolder::Empty() const {
    std::error_code error;
    for (fs::directory_iterator entry(_path, error), end; !error && entry != end;
         entry.increment(error)) {
        std::error_code ignored;
        fs::remove_all(entry->path(), ignored);
    }
}
