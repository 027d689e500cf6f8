#pragma once

#include <string>

#include "interchange/ImportReport.h"
#include "interchange/Outline.h"

enum ImportSourceResult {
    SourceRead,
    SourceCannotOpen,
    SourceRefused,
};

// The whole text of a file to import, read as every document is (BoundedFile). False, with
// the reason, otherwise.
bool ReadSourceFile(const char* path, std::string& text, std::string& why);
// Reads the outline of a POV-Ray scene or include file, or of an SVG document, told apart by
// the content: a document that begins with "<" is XML. name picks a declared POV-Ray object
// (null: the first prism or polygon); an SVG document has no use for it.
ImportSourceResult ReadOutlineSource(const char* path, const char* name, Outline& outline,
                                     ImportReport& report);
// The same for the text of such a file; false when it is refused. folder: where the include
// files of a POV-Ray scene are read from ("" to read none).
bool ReadOutlineText(const std::string& text, const char* name, Outline& outline,
                     ImportReport& report, const std::string& folder = "");
// Whether the text is an SVG document rather than POV-Ray scene text.
bool IsSvgText(const std::string& text);
// The folder of a file's path: "." for a bare name.
std::string FolderOf(const char* path);
