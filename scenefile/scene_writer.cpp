#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>

#include "model/KCanvasPane.h"
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

// Set boundaries as the writer may use them: counts within the capacities and every set end
// between the previous one and the point count, whatever the model holds.
struct SetLayout {
    int points;
    int sets;
    int ends[SetEndEntries];
};

SetLayout LayoutOf(const KCanvasPane& canvas) {
    SetLayout layout;
    layout.points = std::clamp(canvas.pointCount, 0, MaxPoints);
    layout.sets = std::clamp(canvas.setCount, 0, MaxSets);
    layout.ends[0] = 0;
    for (int k = 1; k <= layout.sets; ++k) {
        layout.ends[k] = std::clamp(canvas.setEnds[k], layout.ends[k - 1], layout.points);
    }
    return layout;
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

    void Point(const Point2& model, const char* comment = "") {
        FilePoint({KCanvasPane::FileX(model.x), KCanvasPane::FileY(model.y)}, comment);
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

// A point as the reader will see it: its file coordinates after the trip through six digits.
Point2 AsRead(const Point2& point) {
    char text[40];
    Point2 read{0, 0};
    std::snprintf(text, sizeof text, "%g %g", KCanvasPane::FileX(point.x),
                  KCanvasPane::FileY(point.y));
    std::sscanf(text, "%lf %lf", &read.x, &read.y);
    return read;
}

// The closed outlines of the point list, found as the reader finds them again: an outline ends
// at the first point that reads back equal to its own first point. For a drawing whose sets
// close only at their ends these are its sets; a set holding several outlines, such as the last
// set into which the editor merges the outlines beyond the table, is written as several, each
// with its own control points, so that the reader and the ray tracer see every outline.
struct Outlines {
    int count = 0;
    int ends[MaxPoints + 1] = {};  // ends[j]: one past the closing point of outline j (1-based)
    int openFirst = 0;             // the points from here on form no closed outline
};

Outlines OutlinesOf(const KCanvasPane& canvas, int pointCount) {
    Outlines outlines;
    Point2 first{0, 0};
    for (int i = 0; i < pointCount; ++i) {
        Point2 read = AsRead(canvas.points[i]);
        if (i == outlines.openFirst) {
            first = read;
        } else if (read.x == first.x && read.y == first.y) {
            outlines.ends[++outlines.count] = i + 1;
            outlines.openFirst = i + 1;
        }
    }
    return outlines;
}

int PointCountLine(const SetLayout& layout, const Outlines& outlines, int spline) {
    switch (spline) {
        case QuadraticSpline:
            return layout.points + outlines.count;
        case CubicSpline:
            return layout.points + 2 * outlines.count;
        case BezierSpline:
            return 4 * (layout.points - outlines.count);
        default:
            return layout.points;
    }
}

void WriteHead(const KCanvasPane& canvas, const SetLayout& layout, const Outlines& outlines,
               int kind, int spline, SceneText& out) {
    out.Remark(canvas.remark1);
    out.Remark(canvas.remark2);
    out.Remark(canvas.remark3);
    if (kind == Polygon) {
        out.Line("#declare Thing=polygon{");
        out.Line(std::to_string(layout.points).c_str());
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
    out.Heights(canvas.prismStart, canvas.prismEnd, PointCountLine(layout, outlines, spline));
}

void WriteRange(const KCanvasPane& canvas, int from, int to, SceneText& out) {
    for (int i = from; i < to; ++i) {
        out.Point(canvas.points[i]);
    }
}

void WriteLinear(const KCanvasPane& canvas, const SetLayout& layout, SceneText& out) {
    for (int k = 1; k <= layout.sets; ++k) {
        WriteRange(canvas, layout.ends[k - 1], layout.ends[k], out);
        if (k == 1) {
            out.SetMarker(1);
        }
    }
    WriteRange(canvas, layout.ends[layout.sets], layout.points, out);
}

// After an outline that ends set k, the marker of the next set, when there is one.
void MarkSetEnd(const SetLayout& layout, int end, SceneText& out) {
    for (int k = 1; k < layout.sets; ++k) {
        if (layout.ends[k] == end) {
            out.SetMarker(k + 1);
            return;
        }
    }
}

// Quadratic and cubic: one control point per outline, written before its points; cubic closes
// every outline with a second control point mirrored through the outline's first point.
void WriteOneControlPerSet(const KCanvasPane& canvas, const SetLayout& layout,
                           const Outlines& outlines, bool cubic, SceneText& out) {
    out.Point(canvas.control1[0], LeadingControl);
    for (int j = 1; j <= outlines.count; ++j) {
        int first = outlines.ends[j - 1];
        int end = outlines.ends[j];
        WriteRange(canvas, first, end, out);
        if (cubic) {
            // Taken from the numbers as written, so that the file read back writes it again
            // to the digit.
            Point2 point = AsRead(canvas.points[first]);
            Point2 control = AsRead(canvas.control1[first]);
            out.FilePoint({point.x - control.x, point.y - control.y}, TrailingControl);
        }
        MarkSetEnd(layout, end, out);
        if (end < layout.points) {
            out.Point(canvas.control1[end], PlainControl);
        }
    }
    WriteRange(canvas, outlines.openFirst, layout.points, out);
}

void WriteBezierSegments(const KCanvasPane& canvas, int first, int last, SceneText& out) {
    for (int j = first; j < last; ++j) {
        out.Point(canvas.points[j]);
        out.Point(canvas.control1[j], PlainControl);
        out.Point(canvas.control2[j], PlainControl);
        out.Point(canvas.points[j + 1]);
    }
}

void WriteBezier(const KCanvasPane& canvas, const SetLayout& layout, const Outlines& outlines,
                 SceneText& out) {
    for (int j = 1; j <= outlines.count; ++j) {
        WriteBezierSegments(canvas, outlines.ends[j - 1], outlines.ends[j] - 1, out);
        MarkSetEnd(layout, outlines.ends[j], out);
    }
    if (layout.points > outlines.openFirst) {
        WriteBezierSegments(canvas, outlines.openFirst, layout.points - 1, out);
        out.Point(canvas.points[layout.points - 1]);
    }
}

// The whole file, or false when a number in it would not be finite.
bool ComposeScene(const KCanvasPane& canvas, int kind, std::string& text) {
    int spline = kind == Polygon ? LinearSpline : canvas.splineType;
    SetLayout layout = LayoutOf(canvas);
    Outlines outlines = OutlinesOf(canvas, layout.points);
    SceneText out(text);
    WriteHead(canvas, layout, outlines, kind, spline, out);
    switch (spline) {
        case QuadraticSpline:
        case CubicSpline:
            WriteOneControlPerSet(canvas, layout, outlines, spline == CubicSpline, out);
            break;
        case BezierSpline:
            WriteBezier(canvas, layout, outlines, out);
            break;
        default:
            WriteLinear(canvas, layout, out);
            break;
    }
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
    changed = 0;
    return true;
}
