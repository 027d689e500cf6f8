#include <unistd.h>

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "model/DrawingHandles.h"
#include "model/NodeHandles.h"
#include "model/WrittenPoints.h"
#include "scenefile/ForeignSceneText.h"
#include "scenefile/NodeComments.h"
#include "scenefile/ProfileFileReading.h"
#include "scenefile/SceneKind.h"
#include "scenefile/SceneLineReader.h"
#include "scenefile/SceneReadDetails.h"
#include "scenefile/SceneReadResult.h"
#include "scenefile/SceneReading.h"
#include "scenefile/SceneValues.h"
#include "toolkit/util/Utf8Text.h"

namespace {

constexpr int RemarkLines = 3;
// The declaration line must appear among the first ten lines after the remarks.
constexpr int BraceSearchLines = 10;

bool Is(const char* line, const char* text) {
    return std::strcmp(line, text) == 0;
}

// A remark stays a comment: a line that does not start with "//", or whose "//" lies beyond the
// characters the buffer keeps, is kept from its "//" on.
void CopyRemark(char* remark, const char* line) {
    CopyUtf8(remark, RemarkSize, std::strstr(line, "//"));
}

// The declaration names the kind; the file name only implies it. True for a union, whose kind
// its first inner declaration names.
bool TakeDeclaredKind(const char* line, ShapeKind& kind) {
    for (const SceneKind& row : SceneKinds) {
        if (std::strstr(line, (std::string(row.name) + "{").c_str()) != nullptr) {
            kind = static_cast<ShapeKind>(row.kind);
            return false;
        }
    }
    return std::strstr(line, "union{") != nullptr;
}

// The largest header count a drawing of MaxPoints entries can have: a bezier prism counts four
// lines per point, quadratic and cubic prisms fewer; linear ones count the points.
long long MaxHeaderCount(int spline) {
    return spline == LinearSpline ? MaxPoints : 4 * MaxPoints;
}

Point2 ToModel(const Point2& file) {
    return {file.x * ModelUnitsPerFileUnit, file.y * -ModelUnitsPerFileUnit};
}

bool AllZero(const Point2& a, const Point2& b) {
    return a.x == 0 && a.y == 0 && b.x == 0 && b.y == 0;
}

// One reading of a scene file into a drawing, starting from the kind the file's name implies.
// Points stay in file units until the whole list has been read; a failure leaves what was read
// so far, as the file commands expect.
class SceneFileReading {
public:
    SceneFileReading(Drawing& drawing, SceneLineReader& in) : _canvas(drawing), _in(in) {}

    // True when the input ended where the point count or the prism header should have been:
    // a scene written in another layout, such as one holding the whole declaration on one line.
    bool EndedBeforeHeader() const { return _endedBeforeHeader; }

    int Read() {
        if (!ReadRemarksAndBrace()) {
            return ReadNoBrace;
        }
        StartDrawing();
        if (IsTurnedKind(_canvas.kind)) {
            const int result = ProfileFileReading(_canvas, _canvas.kind, _in, _union).Read();
            _endedBeforeHeader = result == ReadBadHeader && _in.AtEnd();
            return result;
        }
        int result = _canvas.kind == Prism ? ReadPrismHeader() : ReadPolygonHeader();
        if (result == ReadOk) {
            result = ReadLeadingControl();
        }
        if (result == ReadOk) {
            result = ReadPointList();
        }
        ClearBeyondFileData();
        if (result == ReadOk) {
            FinishDrawing();
        }
        return result;
    }

private:
    bool ReadRemarksAndBrace() {
        char* remarks[RemarkLines] = {_canvas.remark1, _canvas.remark2, _canvas.remark3};
        const char* line = _in.Next();
        for (int found = 0; std::strstr(line, "//") != nullptr; ++found) {
            if (found < RemarkLines) {
                CopyRemark(remarks[found], line);
            }
            line = _in.Next();
        }
        for (int searched = 1; std::strchr(line, '{') == nullptr; ++searched) {
            if (searched == BraceSearchLines) {
                return false;
            }
            line = _in.Next();
        }
        _union = TakeDeclaredKind(line, _canvas.kind);
        if (_union) {
            TakeDeclaredKind(_in.Next(), _canvas.kind);
        }
        return true;
    }

    // The file replaces the drawing: nothing of the earlier drawing's points or sets may remain
    // where the file gives less than the capacity.
    void StartDrawing() {
        std::fill(_canvas.points, _canvas.points + MaxPoints, Point2{0, 0});
        std::fill(_canvas.setEnds, _canvas.setEnds + SetEndEntries, 0);
        std::fill(_canvas.nodeTypes, _canvas.nodeTypes + MaxPoints, NodeType::Corner);
        _canvas.setCount = 0;
        _canvas.splineType = LinearSpline;
        _canvas.sweepType = LinearSweep;
    }

    void ClearBeyondFileData() {
        std::fill(_canvas.control1 + _filled, _canvas.control1 + MaxPoints, Point2{0, 0});
        std::fill(_canvas.control2 + _filled, _canvas.control2 + MaxPoints, Point2{0, 0});
    }

    // The header count only has to be one that a drawing could have: the points are counted
    // as they are read.
    int TakeCount(long long count) {
        if (count < 0 || count > MaxHeaderCount(_canvas.splineType)) {
            _canvas.pointCount = 0;
            return ReadBadHeader;
        }
        _canvas.pointCount = static_cast<int>(std::min<long long>(count, MaxPoints));
        return ReadOk;
    }

    int ReadPrismHeader() {
        const char* line = _in.Next();
        for (int spline = SplineKeyword(line); spline >= 0; spline = SplineKeyword(line)) {
            _canvas.splineType = spline;
            line = _in.Next();
        }
        if (Is(line, "conic_sweep") || Is(line, "linear_sweep")) {
            _canvas.sweepType = Is(line, "conic_sweep") ? ConicSweep : LinearSweep;
            line = _in.Next();
        }
        double start = 0;
        double end = 0;
        long long count = 0;
        int converted = std::sscanf(line, "%lf %*c %lf %*c %lli", &start, &end, &count);
        converted = std::max(converted, 0);
        if (converted >= 1 && !std::isfinite(start)) {
            converted = 0;
        } else if (converted >= 2 && !std::isfinite(end)) {
            converted = 1;
        }
        if (converted >= 1) {
            _canvas.prismStart = start;
        }
        if (converted >= 2) {
            _canvas.prismEnd = end;
        }
        _endedBeforeHeader = AtEndOfInput(line);
        if (converted < 3) {
            _canvas.pointCount = converted;
            return ReadBadHeader;
        }
        return TakeCount(count);
    }

    // A file the writer wrote always has its count line, if only "0": reading on into nothing
    // would give an empty drawing with success, which a save would then put over the file.
    int ReadPolygonHeader() {
        const char* line = _in.Next();
        _endedBeforeHeader = AtEndOfInput(line);
        if (_endedBeforeHeader) {
            _canvas.pointCount = 0;
            return ReadBadHeader;
        }
        return TakeCount(std::strtoll(line, nullptr, 10));
    }

    bool AtEndOfInput(const char* line) const { return line[0] == '\0' && _in.AtEnd(); }

    int ReadLeadingControl() {
        int spline = _canvas.splineType;
        if (spline != QuadraticSpline && spline != CubicSpline) {
            return ReadOk;
        }
        Point2 control;
        if (!ReadPair(_in.Next(), control)) {
            return ReadBadFirstControl;
        }
        StoreControl(0, control);
        return ReadOk;
    }

    int ReadPointList() {
        while (!_in.AtEnd()) {
            const char* line = _in.Next();
            if (EndsList(line)) {
                break;
            }
            if (std::strncmp(line, "//", 2) == 0) {
                line = _in.Next();
                if (EndsList(line)) {
                    break;
                }
            }
            if (!TakeListLine(line)) {
                return ReadBadBody;
            }
        }
        return ReadOk;
    }

    // "open" and "sturm" close the list, so they may follow a set marker line as well as a
    // point; "open" moves the line on. True when the list ends with this line.
    bool EndsList(const char*& line) {
        if (Is(line, "open")) {
            _canvas.isOpen = 1;
            line = _in.Next();
        }
        if (Is(line, "sturm")) {
            _canvas.useSturm = 1;
            return true;
        }
        return Is(line, "}");
    }

    bool Store(Point2* table, int index, const Point2& value) {
        if (index < 0 || index >= MaxPoints) {
            return false;
        }
        table[index] = value;
        _filled = std::max(_filled, index + 1);
        return true;
    }

    // A set's own control point of a quadratic or cubic prism.
    bool StoreControl(int index, const Point2& value) {
        if (!Store(_canvas.control1, index, value)) {
            return false;
        }
        _givenControl[index] = true;
        return true;
    }

    // Outlines beyond the last set the table holds join that set, as the editor merges them.
    void CloseSet(int end) {
        if (_canvas.setCount < MaxSets) {
            ++_canvas.setCount;
        }
        _canvas.setEnds[_canvas.setCount] = end;
        _setStart = end;
    }

    // Handles one line of the current phase and moves on to the next phase. On a failure the
    // point count tells how far the list got: the points stored so far.
    bool TakeListLine(const char* line) {
        bool closed = false;
        bool ok = _phase == 0 ? TakePoint(line, closed) : TakeOtherLine(line);
        if (!ok) {
            _canvas.pointCount = _index;
            return false;
        }
        NextPhase(closed);
        return true;
    }

    bool TakePoint(const char* line, bool& closed) {
        Point2 point;
        if (!ReadPair(line, point) || !Store(_canvas.points, _index, point)) {
            return false;
        }
        if (_canvas.splineType == BezierSpline) {
            _canvas.nodeTypes[_index] = NodeTypeOfLine(line);
        }
        ++_index;
        if (_canvas.splineType != BezierSpline && _index - 1 != _setStart &&
            SameValue(point, _canvas.points[_setStart])) {
            _closedFirst = _setStart;
            CloseSet(_index);
            closed = true;
        }
        return true;
    }

    bool TakeOtherLine(const char* line) {
        Point2 value;
        if (_phase == 4) {
            // A closing control line that does not read is passed over, as it always was.
            if (ReadPair(line, value)) {
                _closingControls.push_back({_closedFirst, _index, value});
            }
            return true;
        }
        if (!ReadPair(line, value)) {
            return false;
        }
        switch (_phase) {
            case 1:
                if (_canvas.splineType == BezierSpline) {
                    return Store(_canvas.control1, _index - 1, value);
                }
                return StoreControl(_index, value);
            case 2:
                return Store(_canvas.control2, _index - 1, value);
            default:
                return TakeSegmentEnd(value);
        }
    }

    // A bezier segment's end is the next segment's start and is written again there; only the
    // end that closes the set is kept.
    bool TakeSegmentEnd(const Point2& value) {
        if (!SameValue(value, _canvas.points[_setStart])) {
            return true;
        }
        if (!Store(_canvas.points, _index, value)) {
            return false;
        }
        ++_index;
        CloseSet(_index);
        return true;
    }

    void NextPhase(bool closed) {
        switch (_canvas.splineType) {
            case QuadraticSpline:
                _phase = closed ? 1 : 0;
                break;
            case CubicSpline:
                if (closed) {
                    _phase = 4;
                } else {
                    _phase = _phase == 4 ? 1 : 0;
                }
                break;
            case BezierSpline:
                _phase = (_phase + 1) % 4;
                break;
            default:
                _phase = 0;
                break;
        }
    }

    // The points listed make the drawing, whatever the header counted. Every entry the file
    // gave turns into model units, the control point of a prism without points included.
    void FinishDrawing() {
        _canvas.pointCount = _index;
        for (int j = 0; j < _filled; ++j) {
            _canvas.points[j] = ToModel(_canvas.points[j]);
            _canvas.control1[j] = ToModel(_canvas.control1[j]);
            _canvas.control2[j] = ToModel(_canvas.control2[j]);
        }
        if (_canvas.splineType < BezierSpline) {
            FillMissingHandles();
        }
        for (const GivenControl& given : _closingControls) {
            if (given.end <= _canvas.pointCount) {
                KeepTrailingControl(_canvas, given.first, given.end, given.value, false);
            }
        }
        DropLooseNodeTypes(_canvas);
    }

    // The default handles replace what the file did not give: a set's control point that the
    // file puts at the origin stays there.
    void FillMissingHandles() {
        struct Kept {
            int index;
            Point2 first;
            Point2 second;
        };
        std::vector<Kept> kept;
        for (int j = 0; j < _canvas.pointCount; ++j) {
            if (_givenControl[j] && AllZero(_canvas.control1[j], _canvas.control2[j])) {
                kept.push_back({j, _canvas.control1[j], _canvas.control2[j]});
            }
        }
        FillDefaultHandles(_canvas);
        for (const Kept& k : kept) {
            _canvas.control1[k.index] = k.first;
            _canvas.control2[k.index] = k.second;
        }
    }

    // A cubic outline's closing control line as the file gave it, file units.
    struct GivenControl {
        int first;
        int end;
        Point2 value;
    };

    Drawing& _canvas;
    SceneLineReader& _in;
    std::vector<GivenControl> _closingControls;
    int _closedFirst = 0;  // first index of the outline closed last
    int _index = 0;        // where the next point is stored: the points read so far
    int _setStart = 0;     // first index of the set being read
    int _phase = 0;
    int _filled = 0;  // entries of the three tables the file has written
    bool _union = false;
    bool _givenControl[MaxPoints] = {};
    bool _endedBeforeHeader = false;
};

bool HasPrismExtension(const char* fileName) {
    const char* dot = std::strrchr(fileName, '.');
    return dot != nullptr && Is(dot, ".prm");
}

SceneRead ReadFrom(SceneLineReader& in, Drawing drawing, ShapeKind implied) {
    SceneRead read{std::move(drawing), ReadOk, {}};
    read.drawing.kind = implied;
    read.drawing.trailingControls.clear();
    SceneFileReading reading(read.drawing, in);
    read.result = static_cast<SceneReadResult>(reading.Read());
    read.details.stopLine = in.LinesRead();
    if (read.Ok()) {
        read.details.foreignText = ForeignSceneText::Find(in.Bytes(), read.details.stopLine).Note();
    }
    if (reading.EndedBeforeHeader()) {
        read.details.hint = SceneLayoutHint;
    }
    read.drawing.CheckInvariants();
    return read;
}

}  // namespace

SceneRead ReadScene(const char* fileName, Drawing drawing) {
    const ShapeKind implied = HasPrismExtension(fileName) ? Prism : Polygon;
    SceneLineReader in(fileName);
    if (!in.IsOpen()) {
        SceneRead read{std::move(drawing), ReadCannotOpen, {}};
        read.drawing.kind = implied;
        // A file the system would open but that is not read (a named pipe, a device, a folder,
        // one too large, another user's link) says why; a missing one says enough already.
        if (access(fileName, R_OK) == 0) {
            read.details.hint = in.Refusal();
        }
        return read;
    }
    return ReadFrom(in, std::move(drawing), implied);
}

SceneRead ReadSceneBytes(const char* bytes, size_t size, Drawing drawing, ShapeKind implied) {
    SceneLineReader in(bytes, size);
    return ReadFrom(in, std::move(drawing), implied);
}
