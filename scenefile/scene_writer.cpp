#include <sys/stat.h>

#include <cerrno>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>

#include "io/FileReplace.h"
#include "model/KCanvasPane.h"
#include "model/NodeHandles.h"
#include "model/ProfileRules.h"
#include "model/WrittenPoints.h"
#include "scenefile/NodeComments.h"
#include "scenefile/SceneKind.h"
#include "scenefile/SceneWriting.h"
#include "toolkit/util/Utf8Text.h"

namespace {

// The window's file-name buffer holds 99 characters of text.
constexpr int FileNameCapacity = 99;

const char* const LeadingControl = " //___control___ ";
const char* const PlainControl = " //___control___";
const char* const TrailingControlComment = " //___2control___";
const char* const NotFiniteRefusal = "a coordinate or height is too large to write";
// The first lines inside the declaration of a profile that the user has not finished yet, and
// of each profile of an open lathe, which is written without its closing repeat.
const char* const UnfinishedProfile = "//___unfinished___";
const char* const OpenProfile = "//___open___";

// A device, a named pipe or a socket is no drawing's file, and a name without a dot that names
// one would otherwise become a new file beside it (/dev/full.pol). A folder's name still gets
// its extension.
bool IsSpecialFile(const char* fileName) {
    struct stat info;
    return stat(fileName, &info) == 0 && !S_ISREG(info.st_mode) && !S_ISDIR(info.st_mode);
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

const char* const SplineNames[] = {nullptr, "quadratic_spline", "cubic_spline", "bezier_spline"};

void WriteSpline(int spline, SceneText& out) {
    if (spline > LinearSpline && spline <= BezierSpline) {
        out.Line(SplineNames[spline]);
    }
}

void WriteRemarks(const Drawing& canvas, SceneText& out) {
    out.Remark(canvas.remark1);
    out.Remark(canvas.remark2);
    out.Remark(canvas.remark3);
}

void WriteHead(const Drawing& canvas, int declaredCount, int kind, int spline, SceneText& out) {
    WriteRemarks(canvas, out);
    if (kind == Polygon) {
        out.Line("#declare Thing=polygon{");
        out.Line(std::to_string(declaredCount).c_str());
        return;
    }
    out.Line("#declare Thing=prism{");
    WriteSpline(spline, out);
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
            return TrailingControlComment;
        default:
            return "";
    }
}

void WriteMarkers(const WrittenPointList& list, size_t before, SceneText& out) {
    for (const WrittenMarker& marker : list.markers) {
        if (marker.before == static_cast<int>(before)) {
            out.SetMarker(marker.set);
        }
    }
}

// A bezier node that is not a corner says so on the line where its segment starts, the one its
// first handle follows; a corner says nothing, so a drawing of corners writes as it always has.
const char* NodeComment(const Drawing& drawing, int spline, const WrittenPointList& list,
                        size_t i) {
    const WrittenEntry& entry = list.entries[i];
    const bool segmentStart = spline == BezierSpline && entry.role == WrittenRole::Point &&
                              entry.source == WrittenSource::Points &&
                              i + 1 < list.entries.size() &&
                              list.entries[i + 1].source == WrittenSource::Control1 &&
                              list.entries[i + 1].index == entry.index;
    if (!segmentStart || entry.index < 0 || entry.index >= MaxPoints) {
        return "";
    }
    const NodeType type = drawing.nodeTypes[entry.index];
    if (type == NodeType::Corner || !HasTwoHandles(drawing, entry.index)) {
        return "";
    }
    return type == NodeType::Smooth ? SmoothNode : SymmetricNode;
}

void WriteEntries(const Drawing& drawing, int spline, const WrittenPointList& list, size_t first,
                  size_t end, SceneText& out) {
    for (size_t i = first; i < end; ++i) {
        const char* node = NodeComment(drawing, spline, list, i);
        out.FilePoint(list.entries[i].file, *node != '\0' ? node : CommentOf(list.entries[i].role));
    }
}

// Each set marker before the entry it stands before, the last ones after the last entry.
void WritePointList(const Drawing& drawing, int spline, const WrittenPointList& list,
                    SceneText& out) {
    for (size_t i = 0; i < list.entries.size(); ++i) {
        WriteMarkers(list, i, out);
        WriteEntries(drawing, spline, list, i, i + 1, out);
    }
    WriteMarkers(list, list.entries.size(), out);
}

// One lathe or sor per profile; several are one object as a union. A profile's set marker
// stands before its declaration; the unfinished set, and every profile of an open lathe, say so
// inside their own.
void WriteProfiles(const Drawing& canvas, const WrittenPointList& list, int kind, int spline,
                   SceneText& out) {
    const std::vector<WrittenSet> profiles = WrittenSets(list);
    const std::string word = SceneKindOf(kind).name;
    const bool several = profiles.size() > 1;
    out.Line(("#declare Thing=" + (several ? std::string("union") : word) + "{").c_str());
    for (const WrittenSet& profile : profiles) {
        const size_t first = static_cast<size_t>(profile.first);
        WriteMarkers(list, first, out);
        if (several) {
            out.Line((word + "{").c_str());
        }
        if (profile.set == 0) {
            out.Line(UnfinishedProfile);
        }
        if (kind == Lathe && canvas.isOpen == 1) {
            out.Line(OpenProfile);
        }
        WriteSpline(spline, out);
        out.Line(std::to_string(profile.values.size()).c_str());
        WriteEntries(canvas, spline, list, first, first + profile.values.size(), out);
        if (kind == Sor && canvas.isOpen == 1) {
            out.Line("open");
        }
        if (canvas.useSturm == 1) {
            out.Line("sturm");
        }
        if (several) {
            out.Line("}");
        }
    }
    out.Line("}");
}

// A drawing the ray tracer would refuse or warn about is not written: the refusal names the
// first broken rule.
std::string ProfileRefusal(const WrittenPointList& list, int kind, int spline) {
    const std::vector<RuleBreak> breaks = ProfileRuleBreaks(list, kind, spline);
    if (breaks.empty()) {
        return "";
    }
    std::string refusal = breaks.front().sentence;
    if (breaks.size() > 1) {
        refusal += " " + std::to_string(breaks.size() - 1) +
                   (breaks.size() == 2 ? " more rule is" : " more rules are") + " broken.";
    }
    return refusal;
}

// The whole file, or why the writer refuses it: a number in it would not be finite, or a profile
// breaks one of the ray tracer's rules.
std::string ComposeScene(const Drawing& canvas, ShapeKind kind, std::string& text) {
    int spline = kind == Polygon || kind == Sor ? LinearSpline : canvas.splineType;
    WrittenPointList list = WrittenPoints(canvas, kind);
    SceneText out(text);
    if (IsTurnedKind(kind)) {
        WriteRemarks(canvas, out);
        WriteProfiles(canvas, list, kind, spline, out);
        const std::string refusal = ProfileRefusal(list, kind, spline);
        return out.Finite() ? refusal : NotFiniteRefusal;
    }
    WriteHead(canvas, list.declaredCount, kind, spline, out);
    WritePointList(canvas, spline, list, out);
    // A polygon with "open" is rejected by the ray tracer, so only prisms carry it.
    if (kind == Prism && canvas.isOpen == 1) {
        out.Line("open");
    }
    if (kind == Prism && spline > QuadraticSpline && canvas.useSturm == 1) {
        out.Line("sturm");
    }
    out.Line("}");
    return out.Finite() ? "" : NotFiniteRefusal;
}

}  // namespace

// A name already carrying one of the kinds' extensions must hold what the reader expects from
// that extension, or the saved drawing could not be opened again. Otherwise a filter of one kind
// chooses that kind.
ShapeKind KindToWrite(const char* fileName, KindChoice choice, ShapeKind drawingKind) {
    const int named = KindOfExtension(fileName);
    if (named >= 0) {
        return static_cast<ShapeKind>(named);
    }
    return choice.Kind().value_or(drawingKind);
}

ComposedScene ComposeSceneFile(const Drawing& drawing, const char* fileName, KindChoice choice) {
    ComposedScene scene;
    scene.kind = KindToWrite(fileName, choice, drawing.kind);
    scene.refusal = ComposeScene(drawing, scene.kind, scene.text);
    return scene;
}

std::string NameToWrite(const char* fileName, KindChoice choice, ShapeKind drawingKind,
                        NamingRule rule) {
    if (!Named(fileName)) {
        return "";
    }
    std::string name = fileName;
    const size_t slash = name.rfind('/');
    const size_t ownName = rule == NamingRule::Tool && slash != std::string::npos ? slash + 1 : 0;
    if (name.find('.', ownName) != std::string::npos) {
        return name;
    }
    if (rule == NamingRule::Window && name.size() + 4 > FileNameCapacity) {
        return "";
    }
    return name + SceneKindOf(KindToWrite(fileName, choice, drawingKind)).extension;
}

SaveResult WriteScene(const Drawing& drawing, const std::string& fileName, KindChoice choice,
                      NamingRule rule) {
    SaveResult saved;
    const char* given = fileName.c_str();
    if (IsSpecialFile(given)) {
        saved.message = "not a regular file";
        return saved;
    }
    const ComposedScene scene = ComposeSceneFile(drawing, given, choice);
    saved.name = NameToWrite(given, choice, drawing.kind, rule);
    if (saved.name.empty()) {
        saved.message = fileName.empty() ? "no file name"
                        : Named(given)   ? "the name is too long to take the extension"
                                         : "the name ends in a slash, as a folder's does";
        return saved;
    }
    saved.kind = scene.kind;
    if (!scene.Writable()) {
        saved.message = scene.refusal;
        return saved;
    }
    errno = 0;
    saved.ok = ReplaceFileContents(saved.name.c_str(), scene.text, &saved.message);
    saved.systemError = saved.ok ? 0 : errno;
    return saved;
}

// The canvas's own operations over the writer: the drawing in the program-wide kind, the name
// extended in the caller's buffer and the kind written in the model, for the caller to make the
// program-wide kind.
int KCanvasPane::KindToWrite(const char* fileName, int kindChoice, int currentKind) {
    return ::KindToWrite(fileName, KindChoice::Filter(kindChoice),
                         static_cast<ShapeKind>(currentKind));
}

bool KCanvasPane::SceneFileText(const char* fileName, int kindChoice, std::string& text, int& kind,
                                std::string* refusal) const {
    ComposedScene scene = ComposeSceneFile(AsShown(), fileName, KindChoice::Filter(kindChoice));
    text = std::move(scene.text);
    kind = scene.kind;
    if (refusal != nullptr) {
        *refusal = scene.refusal;
    }
    return scene.Writable();
}

std::string KCanvasPane::NameToWrite(const char* fileName, int kindChoice) {
    return ::NameToWrite(fileName, KindChoice::Filter(kindChoice),
                         static_cast<ShapeKind>(shapeKind));
}

bool KCanvasPane::WriteSceneFile(char* fileName, int kindChoice, std::string* reason) {
    const Drawing shown = AsShown();
    const SaveResult saved = WriteScene(shown, fileName, KindChoice::Filter(kindChoice));
    if (!saved.name.empty()) {
        // Only a name without an extension grows, and NameToWrite keeps that within the buffer.
        std::memcpy(fileName, saved.name.c_str(), saved.name.size() + 1);
    }
    drawing.kind = saved.kind.value_or(shown.kind);
    if (reason != nullptr) {
        *reason = saved.message;
    }
    if (saved.ok) {
        SetChanged(false);
    }
    return saved.ok;
}
