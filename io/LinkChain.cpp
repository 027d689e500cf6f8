#include "io/LinkChain.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <vector>

namespace {

// As many links as the kernel follows in one name.
constexpr int MostLinks = 40;

std::string FolderOf(const std::string& name) {
    const size_t slash = name.rfind('/');
    if (slash == std::string::npos) {
        return ".";
    }
    return slash == 0 ? "/" : name.substr(0, slash);
}

bool PlantedByAnother(const std::string& link, const struct stat& linkInfo) {
    struct stat folder;
    if (stat(FolderOf(link).c_str(), &folder) != 0) {
        return false;
    }
    const bool shared = (folder.st_mode & S_ISVTX) != 0 && (folder.st_mode & S_IWOTH) != 0;
    return shared && linkInfo.st_uid != geteuid() && linkInfo.st_uid != folder.st_uid;
}

std::string LinkText(const std::string& link) {
    std::vector<char> text(4096);
    const ssize_t length = readlink(link.c_str(), text.data(), text.size());
    if (length <= 0 || static_cast<size_t>(length) >= text.size()) {
        return "";
    }
    return std::string(text.data(), static_cast<size_t>(length));
}

bool Refuse(std::string& reason, const std::string& why) {
    reason = why;
    return false;
}

}  // namespace

bool FollowLinks(const char* path, std::string& target, std::string& reason) {
    target = path;
    for (int links = 0;; ++links) {
        struct stat info;
        if (lstat(target.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) {
            return true;
        }
        if (links == MostLinks) {
            return Refuse(reason, std::string(path) + " leads through too many symbolic links");
        }
        if (PlantedByAnother(target, info)) {
            return Refuse(reason, "the symbolic link " + target +
                                      " belongs to another user, in a folder that everybody may "
                                      "write: it is not followed");
        }
        std::string next = LinkText(target);
        if (next.empty()) {
            return Refuse(reason, std::strerror(errno));
        }
        next = next[0] == '/' ? next : FolderOf(target) + "/" + next;
        struct stat nextInfo;
        if (lstat(next.c_str(), &nextInfo) != 0 && errno == ENOENT) {
            return Refuse(reason, "the symbolic link " + target + " points to " + next +
                                      ", which does not exist");
        }
        target = next;
    }
}
