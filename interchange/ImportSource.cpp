#include "interchange/ImportSource.h"

#include <cctype>
#include <cstdio>
#include <string>

#include "interchange/PovSceneImport.h"
#include "interchange/SvgImport.h"
#include "io/BoundedFile.h"

bool IsSvgText(const std::string& text) {
    size_t at = text.compare(0, 3, "\xEF\xBB\xBF") == 0 ? 3 : 0;
    while (at < text.size() && std::isspace(static_cast<unsigned char>(text[at])) != 0) {
        ++at;
    }
    return at < text.size() && text[at] == '<';
}

std::string FolderOf(const char* path) {
    const std::string whole(path);
    const size_t slash = whole.rfind('/');
    return slash == std::string::npos ? "." : slash == 0 ? "/" : whole.substr(0, slash);
}

bool ReadSourceFile(const char* path, std::string& text, std::string& why) {
    text.clear();
    return BoundedFile::Read(path, BoundedFile::DocumentLimit, text, why);
}

ImportSourceResult ReadOutlineSource(const char* path, const char* name, Outline& outline,
                                     ImportReport& report) {
    std::string text;
    std::string why;
    if (!ReadSourceFile(path, text, why)) {
        return SourceCannotOpen;
    }
    return ReadOutlineText(text, name, outline, report, FolderOf(path)) ? SourceRead
                                                                        : SourceRefused;
}

bool ReadOutlineText(const std::string& text, const char* name, Outline& outline,
                     ImportReport& report, const std::string& folder) {
    if (!IsSvgText(text)) {
        SceneObjectChoice choice;
        choice.name = name != nullptr ? name : "";
        return TakeSceneObject(text, EvaluatePovScene(text, folder), choice, outline, report);
    }
    if (name != nullptr) {
        report.Note("--name picks a POV-Ray object; an SVG document is read whole");
    }
    return ImportSvg(text, outline, report);
}
