#include "interchange/PastedDrawing.h"

#include <cctype>
#include <cstring>
#include <sstream>

#include "interchange/CanvasOutline.h"
#include "interchange/ImportSource.h"
#include "interchange/OutlinePreparation.h"
#include "interchange/PovImport.h"
#include "interchange/SvgImport.h"
#include "model/DrawingEntries.h"
#include "model/EditState.h"
#include "model/KCanvasPane.h"
#include "scenefile/SceneReadResult.h"
#include "scenefile/SceneReading.h"

namespace {

constexpr const char* SvgOpening = "<svg xmlns=\"http://www.w3.org/2000/svg\">";
constexpr const char* SvgClosing = "</svg>";

// The text after a byte-order mark and blanks.
std::string Trimmed(const std::string& text) {
    size_t at = text.compare(0, 3, "\xEF\xBB\xBF") == 0 ? 3 : 0;
    while (at < text.size() && std::isspace(static_cast<unsigned char>(text[at])) != 0) {
        ++at;
    }
    size_t end = text.size();
    while (end > at && std::isspace(static_cast<unsigned char>(text[end - 1])) != 0) {
        --end;
    }
    return text.substr(at, end - at);
}

// Path data starts with a move: "M" or "m", then a number.
bool IsPathData(const std::string& text) {
    if (text.empty() || (text[0] != 'M' && text[0] != 'm')) {
        return false;
    }
    size_t at = 1;
    while (at < text.size() && (text[at] == ' ' || text[at] == ',' || text[at] == '\t' ||
                                text[at] == '\n' || text[at] == '\r')) {
        ++at;
    }
    return at < text.size() && (std::isdigit(static_cast<unsigned char>(text[at])) != 0 ||
                                text[at] == '-' || text[at] == '+' || text[at] == '.');
}

std::string XmlEscaped(const std::string& text) {
    std::string escaped;
    for (char c : text) {
        switch (c) {
            case '&':
                escaped += "&amp;";
                break;
            case '<':
                escaped += "&lt;";
                break;
            case '"':
                escaped += "&quot;";
                break;
            default:
                escaped += c;
        }
    }
    return escaped;
}

// The editor's own file: three remark lines, then the declaration of Thing, its lines ended as
// the writer ends them or as a clipboard may have turned them.
bool IsEditorFile(const std::string& text) {
    std::istringstream in(text);
    std::string line;
    for (int remark = 0; remark < 3; ++remark) {
        if (!std::getline(in, line) || line.compare(0, 2, "//") != 0) {
            return false;
        }
    }
    if (!std::getline(in, line)) {
        return false;
    }
    if (!line.empty() && line.back() == '\r') {
        line.pop_back();
    }
    for (const char* word : {"polygon", "prism", "lathe", "sor", "union"}) {
        if (line == std::string("#declare Thing=") + word + "{") {
            return true;
        }
    }
    return false;
}

// Read as the file would be, into a new drawing, the drawing's kind standing for the one a
// file's name would imply.
bool ReadEditorFile(const std::string& text, ShapeKind drawingKind, PastedDrawing& pasted) {
    SceneRead read = ReadSceneBytes(text.data(), text.size(), Drawing(), drawingKind);
    pasted.kind = read.drawing.kind;
    if (!read.Ok()) {
        return false;
    }
    pasted.sets = std::move(read.drawing);
    pasted.declared = true;
    return true;
}

}  // namespace

bool PastedDrawing::Read(const std::string& clipped, int drawingKind, int drawingSpline,
                         bool takeDeclared, std::string& why) {
    *this = PastedDrawing();
    const std::string text = Trimmed(clipped);
    if (text.empty()) {
        why = "The clipboard holds no text.";
        return false;
    }
    if (IsEditorFile(text) && ReadEditorFile(text, static_cast<ShapeKind>(drawingKind), *this)) {
        if (sets.setEnds[static_cast<size_t>(sets.setCount)] != sets.pointCount) {
            why = "The pasted drawing has a set that was never finished.";
            return false;
        }
        if (sets.setCount == 0) {
            why = "The pasted drawing has no outline.";
            return false;
        }
        return true;
    }
    Outline outline;
    ImportReport report;
    bool read = false;
    if (text[0] == '<') {
        const bool document = text.find("<svg") != std::string::npos;
        read = ImportSvg(document ? text : SvgOpening + text + SvgClosing, outline, report);
    } else if (IsPathData(text)) {
        const std::string document =
            std::string(SvgOpening) + "<path d=\"" + XmlEscaped(text) + "\"/>" + SvgClosing;
        read = ImportSvg(document, outline, report);
    } else {
        read = ImportPovScene(text, nullptr, outline, report);
        declared = read;
        kind = outline.kind;
    }
    const bool ownKind = takeDeclared && declared;
    if (!read || !Take(outline, report, ownKind ? kind : drawingKind,
                       ownKind ? outline.prism.spline : drawingSpline)) {
        why = "Nothing to paste: " + report.error;
        return false;
    }
    return true;
}

bool PastedDrawing::Import(const std::string& text, const char* name, std::string& why) {
    Outline outline;
    ImportReport report;
    const bool read = ReadOutlineText(text, name, outline, report);
    return Imported(outline, report, read, why);
}

bool PastedDrawing::Imported(Outline& outline, ImportReport& report, bool read, std::string& why) {
    *this = PastedDrawing();
    if (!read || !Take(outline, report, outline.kind, outline.prism.spline)) {
        why = report.error;
        return false;
    }
    if (sets.setCount == 0) {
        why = "The object has no points.";
        return false;
    }
    declared = true;
    kind = outline.kind;
    return true;
}

// Profiles of a lathe or surface of revolution are taken as they are; outlines are made to fit
// the spline they will be drawn with.
bool PastedDrawing::Take(Outline& outline, ImportReport& report, int target, int spline) {
    const bool prepared =
        IsTurnedKind(target)
            ? PrepareProfiles(outline, false, report)
            : PrepareOutline(outline, target == Polygon ? LinearSpline : spline, false, report);
    if (!prepared) {
        return false;
    }
    sets = Drawing();
    PutPrismValues(outline, sets);
    PutOutline(outline, sets);
    notes = report.notes;
    return true;
}

bool PastedDrawing::AddTo(KCanvasPane& canvas, std::string& why) const {
    if (canvas.HasOpenSet()) {
        why = "The drawing has a set left open: finish it with a right click, then paste.";
        return false;
    }
    const int entries = EntryCount();
    if (canvas.pointCount + entries > MaxPoints) {
        why = "No room: the pasted outlines take " + std::to_string(entries) +
              " entries and the drawing has room for " +
              std::to_string(MaxPoints - canvas.pointCount) + " more (it holds " +
              std::to_string(MaxPoints) + ").";
        return false;
    }
    if (canvas.setCount + sets.setCount > MaxSets) {
        why = "No room: the pasted outlines are " + std::to_string(sets.setCount) +
              " sets and the drawing has room for " + std::to_string(MaxSets - canvas.setCount) +
              " more (it holds " + std::to_string(MaxSets) + ").";
        return false;
    }
    AppendSets(canvas.Model(), sets);
    return true;
}
