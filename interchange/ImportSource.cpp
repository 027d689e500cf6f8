#include "interchange/ImportSource.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>

#include "interchange/PovImport.h"
#include "interchange/SvgImport.h"

namespace {

bool IsXml(const std::string& text) {
    size_t at = text.compare(0, 3, "\xEF\xBB\xBF") == 0 ? 3 : 0;
    while (at < text.size() && std::isspace(static_cast<unsigned char>(text[at])) != 0) {
        ++at;
    }
    return at < text.size() && text[at] == '<';
}

std::string TooLarge() {
    return "larger than " + std::to_string(MaxSourceBytes >> 20) + " MiB";
}

// The file's descriptor when it is a regular file no larger than the limit; -1 otherwise.
int OpenSource(const char* path, std::string& why) {
    const int fd = open(path, O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        why = std::strerror(errno);
        return -1;
    }
    struct stat info;
    if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        why = "not a regular file";
    } else if (info.st_size > MaxSourceBytes) {
        why = TooLarge();
    } else {
        return fd;
    }
    close(fd);
    return -1;
}

}  // namespace

bool ReadSourceFile(const char* path, std::string& text, std::string& why) {
    const int fd = OpenSource(path, why);
    if (fd < 0) {
        return false;
    }
    text.clear();
    char buffer[65536];
    ssize_t count = 0;
    // The file may grow while it is read: the limit holds all the same.
    while ((count = read(fd, buffer, sizeof buffer)) > 0 &&
           text.size() <= static_cast<size_t>(MaxSourceBytes)) {
        text.append(buffer, static_cast<size_t>(count));
    }
    const int error = errno;
    close(fd);
    if (count < 0) {
        why = std::strerror(error);
        return false;
    }
    if (text.size() > static_cast<size_t>(MaxSourceBytes)) {
        why = TooLarge();
        return false;
    }
    return true;
}

ImportSourceResult ReadOutlineSource(const char* path, const char* name, Outline& outline,
                                     ImportReport& report) {
    std::string text;
    std::string why;
    if (!ReadSourceFile(path, text, why)) {
        return SourceCannotOpen;
    }
    return ReadOutlineText(text, name, outline, report) ? SourceRead : SourceRefused;
}

bool ReadOutlineText(const std::string& text, const char* name, Outline& outline,
                     ImportReport& report) {
    if (!IsXml(text)) {
        return ImportPovScene(text, name, outline, report);
    }
    if (name != nullptr) {
        report.Note("--name picks a POV-Ray object; an SVG document is read whole");
    }
    return ImportSvg(text, outline, report);
}
