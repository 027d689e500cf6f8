#include "interchange/ImportSource.h"

#include <cctype>
#include <cstdio>
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

// The whole file; false when it cannot be opened or read (a folder, for one).
bool ReadWhole(const char* path, std::string& text) {
    FILE* file = std::fopen(path, "rb");
    if (file == nullptr) {
        return false;
    }
    char buffer[65536];
    size_t count = 0;
    while ((count = std::fread(buffer, 1, sizeof buffer, file)) > 0) {
        text.append(buffer, count);
    }
    bool failed = std::ferror(file) != 0;
    std::fclose(file);
    return !failed;
}

}  // namespace

ImportSourceResult ReadOutlineSource(const char* path, const char* name, Outline& outline,
                                     ImportReport& report) {
    std::string text;
    if (!ReadWhole(path, text)) {
        return SourceCannotOpen;
    }
    bool read = false;
    if (IsXml(text)) {
        if (name != nullptr) {
            report.Note("--name picks a POV-Ray object; an SVG document is read whole");
        }
        read = ImportSvg(text, outline, report);
    } else {
        read = ImportPovScene(text, name, outline, report);
    }
    return read ? SourceRead : SourceRefused;
}
