#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>

#include "model/KCanvasPane.h"
#include "model/WrittenPoints.h"
#include "scenefile/FileReplace.h"
#include "toolkit/Utf8Text.h"

namespace {

// The window's file-name buffer holds 99 characters of text.
constexpr int FileNameCapacity = 99;

const char* const LeadingControl = " //___control___ ";
const char* const PlainControl = " //___control___";
const char* const TrailingControl = " //___2control___";

bool EndsWith(const char* text, const char* ending) {
    size_t length = std::strlen(text);
    size_t endingLength = std::strlen(ending);
    return length >= endingLength && std::strcmp(text + length - endingLength, ending) == 0;
}

bool Refuse(std::string* reason, const char* why) {
    if (reason != nullptr) {
        *reason = why;
    }
    return false;
}

// An empty name, or one that ends in a folder, would become a hidden ".pol" or ".prm".
bool Named(const char* fileName) {
    size_t length = std::strlen(fileName);
    return length > 0 && fileName[length - 1] != '/';
}

// The text of the file, line by line. A number that is not finite makes the whole text
// unusable: the file would no longer open, so it is not written at all.
class SceneText {
public:
    explicit SceneText(std::string& text) : _text(text) {}

    bool Finite() const { return _finite; }

    void Line(const char* line) {
        _text += line;
        _text += "\r\n";
    }

    // A remark is written as it is, but never past its buffer, never over more than one line,
    // and always as a comment: one that does not start with "//" gets "// " before it, and then
    // gives up as many characters at its end, so that the reader's buffer takes the whole line.
    void Remark(const char* remark) {
        size_t start = _text.size();
        size_t room = RemarkSize - 1;
        if (*remark != '\0' && std::strncmp(remark, "//", 2) != 0) {
            _text += "// ";
            room -= 3;
        }
        _text.append(remark, Utf8Prefix(remark, room));
        std::replace_if(
            _text.begin() + static_cast<std::ptrdiff_t>(start), _text.end(),
            [](char c) { return c == '\r' || c == '\n'; }, ' ');
        _text += "\r\n";
    }

    void FilePoint(const Point2& file, const char* comment) {
        Number(file.x);
        Number(file.y);
        char line[100];
        std::snprintf(line, sizeof line, "<%g,%g>%s", file.x, file.y, comment);
        Line(line);
    }

    void Heights(double start, double end, int count) {
        Number(start);
        Number(end);
        char line[100];
        std::snprintf(line, sizeof line, "%g,%g,%d", start, end, count);
        Line(line);
    }

    void SetMarker(int set) {
        char line[40];
        std::snprintf(line, sizeof line, "//_______SubSet^%d _________", set);
        Line(line);
    }

private:
    void Number(double value) { _finite = _finite && std::isfinite(value); }

    std::string& _text;
    bool _finite = true;
};

void WriteHead(const KCanvasPane& canvas, int declaredCount, int kind, int spline, SceneText& out) {
    out.Remark(canvas.remark1);
    out.Remark(canvas.remark2);
    out.Remark(canvas.remark3);
    if (kind == Polygon) {
        out.Line("#declare Thing=polygon{");
        out.Line(std::to_string(declaredCount).c_str());
        return;
    }
    out.Line("#declare Thing=prism{");
    static const char* const splineNames[] = {nullptr, "quadratic_spline", "cubic_spline",
                                              "bezier_spline"};
    if (spline > LinearSpline && spline <= BezierSpline) {
        out.Line(splineNames[spline]);
    }
    if (canvas.sweepType == ConicSweep) {
        out.Line("conic_sweep");
    }
    out.Heights(canvas.prismStart, canvas.prismEnd, declaredCount);
}

const char* CommentOf(WrittenRole role) {
    switch (role) {
        case WrittenRole::LeadingControl:
            return LeadingControl;
        case WrittenRole::Control:
            return PlainControl;
        case WrittenRole::ClosingControl:
            return TrailingControl;
        default:
            return "";
    }
}

void WritePointList(const WrittenPointList& list, SceneText& out) {
    auto marker = list.markers.begin();
    for (size_t i = 0; i <= list.entries.size(); ++i) {
        for (; marker != list.markers.end() && marker->before == static_cast<int>(i); ++marker) {
            out.SetMarker(marker->set);
        }
        if (i < list.entries.size()) {
            out.FilePoint(list.entries[i].file, CommentOf(list.entries[i].role));
        }
    }
}

// The whole file, or false when a number in it would not be finite.
bool ComposeScene(const KCanvasPane& canvas, int kind, std::string& text) {
    int spline = kind == Polygon ? LinearSpline : canvas.splineType;
    WrittenPointList list = WrittenPoints(canvas, kind);
    SceneText out(text);
    WriteHead(canvas, list.declaredCount, kind, spline, out);
    WritePointList(list, out);
    // A polygon with "open" is rejected by the ray tracer, so only prisms carry it.
    if (kind == Prism && canvas.isOpen == 1) {
        out.Line("open");
    }
    if (kind == Prism && spline > QuadraticSpline && canvas.useSturm == 1) {
        out.Line("sturm");
    }
    out.Line("}");
    return out.Finite();
}

}  // namespace

// A name already carrying one of the two extensions must hold what the reader expects from that
// extension, or the saved drawing could not be opened again.
int KCanvasPane::KindToWrite(const char* fileName, int kindChoice, int currentKind) {
    if (EndsWith(fileName, ".pol")) {
        return Polygon;
    }
    if (EndsWith(fileName, ".prm")) {
        return Prism;
    }
    return kindChoice == Polygon || kindChoice == Prism ? kindChoice : currentKind;
}

bool KCanvasPane::SceneFileText(const char* fileName, int kindChoice, std::string& text,
                                int& kind) const {
    kind = KindToWrite(fileName, kindChoice, shapeKind);
    text.clear();
    return ComposeScene(*this, kind, text);
}

// A name without any "." gets the kind's extension, as long as the window's buffer has room.
std::string KCanvasPane::NameToWrite(const char* fileName, int kindChoice) {
    if (!Named(fileName)) {
        return "";
    }
    std::string name = fileName;
    if (name.find('.') != std::string::npos) {
        return name;
    }
    if (name.size() + 4 > FileNameCapacity) {
        return "";
    }
    return name + (KindToWrite(fileName, kindChoice, shapeKind) == Prism ? ".prm" : ".pol");
}

bool KCanvasPane::WriteSceneFile(char* fileName, int kindChoice, std::string* reason) {
    std::string text;
    int kind = Polygon;
    bool finite = SceneFileText(fileName, kindChoice, text, kind);
    const std::string name = NameToWrite(fileName, kindChoice);
    if (name.empty()) {
        return Refuse(reason, fileName[0] == '\0' ? "no file name"
                              : Named(fileName)   ? "the name is too long to take the extension"
                                                  : "the name ends in a slash, as a folder's does");
    }
    // Only a name without an extension grows, and NameToWrite keeps that within the buffer.
    std::memcpy(fileName, name.c_str(), name.size() + 1);
    shapeKind = kind;
    if (!finite) {
        return Refuse(reason, "a coordinate or height is too large to write");
    }
    if (!ReplaceFileContents(fileName, text, reason)) {
        return false;
    }
    SetChanged(false);
    return true;
}
