#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>

#include "model/KCanvasPane.h"
#include "scenefile/FileReplace.h"

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

// A name already carrying one of the two extensions must hold what the reader expects from that
// extension, or the saved drawing could not be opened again.
int KindToWrite(const char* fileName, int kindChoice, int currentKind) {
    if (EndsWith(fileName, ".pol")) {
        return Polygon;
    }
    if (EndsWith(fileName, ".prm")) {
        return Prism;
    }
    return kindChoice == Polygon || kindChoice == Prism ? kindChoice : currentKind;
}

// Appends the kind's extension to a name without any "."; false when the buffer has no room.
bool AddExtension(char* fileName, int kind) {
    if (std::strchr(fileName, '.') != nullptr) {
        return true;
    }
    if (std::strlen(fileName) + 4 > FileNameCapacity) {
        return false;
    }
    std::strcat(fileName, kind == Prism ? ".prm" : ".pol");
    return true;
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

class SceneText {
public:
    explicit SceneText(std::string& text) : _text(text) {}

    void Line(const char* line) {
        _text += line;
        _text += "\r\n";
    }

    // A remark is written as it is, but never past its buffer.
    void Remark(const char* remark) {
        _text.append(remark, strnlen(remark, RemarkSize - 1));
        _text += "\r\n";
    }

    void Point(double modelX, double modelY, const char* comment = "") {
        char line[100];
        std::snprintf(line, sizeof line, "<%g,%g>%s", KCanvasPane::FileX(modelX),
                      KCanvasPane::FileY(modelY), comment);
        Line(line);
    }

    void Point(const Point2& point, const char* comment = "") { Point(point.x, point.y, comment); }

    void SetMarker(int set) {
        char line[40];
        std::snprintf(line, sizeof line, "//_______SubSet^%d _________", set);
        Line(line);
    }

private:
    std::string& _text;
};

int PointCountLine(const SetLayout& layout, int spline) {
    switch (spline) {
        case QuadraticSpline:
            return layout.points + layout.sets;
        case CubicSpline:
            return layout.points + 2 * layout.sets;
        case BezierSpline:
            return 4 * (layout.points - layout.sets);
        default:
            return layout.points;
    }
}

void WriteHead(const KCanvasPane& canvas, const SetLayout& layout, int kind, int spline,
               SceneText& out) {
    out.Remark(canvas.remark1);
    out.Remark(canvas.remark2);
    out.Remark(canvas.remark3);
    char line[100];
    if (kind == Polygon) {
        out.Line("#declare Thing=polygon{");
        std::snprintf(line, sizeof line, "%d", layout.points);
        out.Line(line);
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
    std::snprintf(line, sizeof line, "%g,%g,%d", canvas.prismStart, canvas.prismEnd,
                  PointCountLine(layout, spline));
    out.Line(line);
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

// Quadratic and cubic: one control point per set, written before the set's points; cubic
// closes every set with a second control point mirrored through the set's first point.
void WriteOneControlPerSet(const KCanvasPane& canvas, const SetLayout& layout, bool cubic,
                           SceneText& out) {
    out.Point(canvas.control1[0], LeadingControl);
    for (int k = 1; k <= layout.sets; ++k) {
        int first = layout.ends[k - 1];
        int end = layout.ends[k];
        WriteRange(canvas, first, end, out);
        if (cubic && end > first) {
            const Point2& point = canvas.points[first];
            const Point2& control = canvas.control1[first];
            out.Point(point.x - control.x, point.y - control.y, TrailingControl);
        }
        if (k < layout.sets) {
            out.SetMarker(k + 1);
        }
        if (end < layout.points) {
            out.Point(canvas.control1[end], PlainControl);
        }
    }
    WriteRange(canvas, layout.ends[layout.sets], layout.points, out);
}

void WriteBezierSegments(const KCanvasPane& canvas, int first, int last, SceneText& out) {
    for (int j = first; j < last; ++j) {
        out.Point(canvas.points[j]);
        out.Point(canvas.control1[j], PlainControl);
        out.Point(canvas.control2[j], PlainControl);
        out.Point(canvas.points[j + 1]);
    }
}

void WriteBezier(const KCanvasPane& canvas, const SetLayout& layout, SceneText& out) {
    for (int k = 1; k <= layout.sets; ++k) {
        WriteBezierSegments(canvas, layout.ends[k - 1], layout.ends[k] - 1, out);
        if (k < layout.sets) {
            out.SetMarker(k + 1);
        }
    }
    int openFirst = layout.ends[layout.sets];
    if (layout.points > openFirst) {
        WriteBezierSegments(canvas, openFirst, layout.points - 1, out);
        out.Point(canvas.points[layout.points - 1]);
    }
}

std::string SceneFileText(const KCanvasPane& canvas, int kind) {
    int spline = kind == Polygon ? LinearSpline : canvas.splineType;
    SetLayout layout = LayoutOf(canvas);
    std::string text;
    SceneText out(text);
    WriteHead(canvas, layout, kind, spline, out);
    switch (spline) {
        case QuadraticSpline:
        case CubicSpline:
            WriteOneControlPerSet(canvas, layout, spline == CubicSpline, out);
            break;
        case BezierSpline:
            WriteBezier(canvas, layout, out);
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
    return text;
}

}  // namespace

bool KCanvasPane::WriteSceneFile(char* fileName, int kindChoice) {
    int kind = KindToWrite(fileName, kindChoice, shapeKind);
    if (!AddExtension(fileName, kind)) {
        return false;
    }
    shapeKind = kind;
    if (!ReplaceFileContents(fileName, SceneFileText(*this, kind))) {
        return false;
    }
    changed = 0;
    return true;
}
