#include "io/RecoveryFolder.h"

#include <dirent.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>

namespace {

constexpr const char* CopyExtension = ".vxr";
// The field of /proc/PID/stat that holds the moment the process started, in clock ticks
// since the machine started.
constexpr int StartTimeField = 22;

std::string Environment(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr && value[0] == '/' ? value : "";
}

// Each missing folder on the way is made private: the copies hold the user's drawings.
bool MakeFolder(const std::string& folder) {
    if (mkdir(folder.c_str(), 0700) == 0 || errno == EEXIST) {
        return true;
    }
    const size_t slash = folder.rfind('/');
    if (errno != ENOENT || slash == std::string::npos || slash == 0) {
        return false;
    }
    return MakeFolder(folder.substr(0, slash)) && mkdir(folder.c_str(), 0700) == 0;
}

// The start of a process, or "" when it does not run. The command name in parentheses may hold
// blanks, so the fields are counted from its closing parenthesis.
std::string StartOf(const std::string& pid) {
    std::ifstream stat("/proc/" + pid + "/stat");
    std::string line;
    if (!std::getline(stat, line)) {
        return "";
    }
    const size_t close = line.rfind(')');
    if (close == std::string::npos) {
        return "";
    }
    std::istringstream fields(line.substr(close + 1));
    std::string field;
    int number = 2;
    while (number < StartTimeField && fields >> field) {
        ++number;
    }
    return number == StartTimeField ? field : "";
}

std::string OwnPid() {
    return std::to_string(getpid());
}

bool EndsWith(const std::string& text, const std::string& ending) {
    return text.size() >= ending.size() &&
           text.compare(text.size() - ending.size(), ending.size(), ending) == 0;
}

// "PID-START" of a copy named "PID-START-SERIAL.vxr"; "" for any other name.
std::string StampOfCopy(const std::string& name) {
    if (!EndsWith(name, CopyExtension) ||
        name.find_first_not_of("0123456789-") != name.size() - std::strlen(CopyExtension)) {
        return "";
    }
    const size_t last = name.rfind('-');
    const size_t first = name.find('-');
    return first != last && first > 0 ? name.substr(0, last) : "";
}

std::string FolderName() {
    std::string state = Environment("XDG_STATE_HOME");
    if (state.empty()) {
        const std::string home = Environment("HOME");
        if (home.empty()) {
            return "";
        }
        state = home + "/.local/state";
    }
    return state + "/vexlin/recovery";
}

// The folder, made private, when it is a folder of this user's own; "" otherwise.
std::string OwnFolder(const std::string& folder) {
    struct stat info;
    if (folder.empty() || lstat(folder.c_str(), &info) != 0 || !S_ISDIR(info.st_mode) ||
        info.st_uid != geteuid()) {
        return "";
    }
    if ((info.st_mode & 077) != 0) {
        chmod(folder.c_str(), 0700);
    }
    return folder;
}

}  // namespace

std::string RecoveryFolder::Path() {
    const std::string folder = FolderName();
    if (folder.empty() || !MakeFolder(folder)) {
        return "";
    }
    return OwnFolder(folder);
}

std::string RecoveryFolder::ExistingPath() {
    return OwnFolder(FolderName());
}

std::string RecoveryFolder::SessionStamp() {
    return OwnPid() + "-" + StartOf(OwnPid());
}

bool RecoveryFolder::SessionRuns(const std::string& stamp) {
    const size_t dash = stamp.find('-');
    if (dash == std::string::npos) {
        return false;
    }
    const std::string pid = stamp.substr(0, dash);
    const std::string start = StartOf(pid);
    if (!start.empty()) {
        return start == stamp.substr(dash + 1);
    }
    // Without the process table only the id can be asked about.
    const long number = std::strtol(pid.c_str(), nullptr, 10);
    return access("/proc/self/stat", F_OK) != 0 && number > 0 &&
           (kill(static_cast<pid_t>(number), 0) == 0 || errno == EPERM);
}

std::string RecoveryFolder::CopyName(int serial) {
    return SessionStamp() + "-" + std::to_string(serial) + CopyExtension;
}

std::vector<std::string> RecoveryFolder::OrphanedCopies() {
    std::vector<std::string> copies;
    const std::string folder = Path();
    DIR* listing = folder.empty() ? nullptr : opendir(folder.c_str());
    if (listing == nullptr) {
        return copies;
    }
    while (const dirent* entry = readdir(listing)) {
        const std::string stamp = StampOfCopy(entry->d_name);
        if (!stamp.empty() && !SessionRuns(stamp)) {
            copies.push_back(folder + "/" + entry->d_name);
        }
    }
    closedir(listing);
    std::sort(copies.begin(), copies.end());
    return copies;
}
