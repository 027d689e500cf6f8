#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "model/KCanvasPane.h"
#include "scenefile/SceneLineReader.h"
#include "scenefile/SceneReadResult.h"

namespace {

constexpr int RemarkLines = 3;
// The declaration line must appear among the first ten lines after the remarks.
constexpr int BraceSearchLines = 10;

bool Is(const char* line, const char* text) {
    return std::strcmp(line, text) == 0;
}

int SplineKeyword(const char* line) {
    static const char* const keywords[] = {"linear_spline", "quadratic_spline", "cubic_spline",
                                           "bezier_spline"};
    for (int spline = LinearSpline; spline <= BezierSpline; ++spline) {
        if (Is(line, keywords[spline])) {
            return spline;
        }
    }
    return -1;
}

// A point or control line: "<" x "," y ">" and anything after; both numbers must be finite.
bool ReadPair(const char* line, Point2& value) {
    return std::sscanf(line, "%*c %lf %*c %lf", &value.x, &value.y) == 2 &&
           std::isfinite(value.x) && std::isfinite(value.y);
}

bool SamePoint(const Point2& a, const Point2& b) {
    return a.x == b.x && a.y == b.y;
}

void CopyRemark(char* remark, const char* line) {
    size_t length = std::min(std::strlen(line), static_cast<size_t>(RemarkSize - 1));
    std::memcpy(remark, line, length);
    remark[length] = '\0';
}

Point2 ToModel(const Point2& file) {
    return {file.x * 75, file.y * -75};
}

// One reading of a scene file into the canvas. Points stay in file units until the whole list
// has been read; a failure leaves what was read so far, as the file commands expect.
class SceneFileReading {
public:
    SceneFileReading(KCanvasPane& canvas, SceneLineReader& in) : _canvas(canvas), _in(in) {}

    int Read() {
        if (!ReadRemarksAndBrace()) {
            return ReadNoBrace;
        }
        StartDrawing();
        int result = shapeKind == Prism ? ReadPrismHeader() : ReadPolygonHeader();
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
        return true;
    }

    // The file replaces the drawing: nothing of the earlier drawing's points or sets may remain
    // where the file gives less than the capacity.
    void StartDrawing() {
        std::fill(_canvas.points, _canvas.points + MaxPoints, Point2{0, 0});
        std::fill(_canvas.setEnds, _canvas.setEnds + SetEndEntries, 0);
        _canvas.setCount = 0;
        _canvas.splineType = LinearSpline;
        _canvas.sweepType = LinearSweep;
    }

    void ClearBeyondFileData() {
        std::fill(_canvas.control1 + _filled, _canvas.control1 + MaxPoints, Point2{0, 0});
        std::fill(_canvas.control2 + _filled, _canvas.control2 + MaxPoints, Point2{0, 0});
    }

    int TakeCount(long long count) {
        if (count < 0 || count > MaxPoints) {
            _canvas.pointCount = 0;
            return ReadBadHeader;
        }
        _count = static_cast<int>(count);
        _canvas.pointCount = _count;
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
        if (converted < 3) {
            _canvas.pointCount = converted;
            return ReadBadHeader;
        }
        return TakeCount(count);
    }

    int ReadPolygonHeader() { return TakeCount(std::strtoll(_in.Next(), nullptr, 10)); }

    int ReadLeadingControl() {
        int spline = _canvas.splineType;
        if (spline != QuadraticSpline && spline != CubicSpline) {
            return ReadOk;
        }
        Point2 control;
        if (!ReadPair(_in.Next(), control)) {
            return ReadBadFirstControl;
        }
        Store(_canvas.control1, 0, control);
        --_count;
        return ReadOk;
    }

    int ReadPointList() {
        if (_canvas.splineType == BezierSpline) {
            _count = 0;
        }
        while (!_in.AtEnd()) {
            const char* line = _in.Next();
            if (Is(line, "open")) {
                _canvas.isOpen = 1;
                line = _in.Next();
            }
            if (Is(line, "sturm")) {
                _canvas.useSturm = 1;
                break;
            }
            if (std::strncmp(line, "//", 2) == 0) {
                line = _in.Next();
            }
            if (Is(line, "}")) {
                break;
            }
            if (!TakeListLine(line)) {
                return ReadBadBody;
            }
        }
        return ReadOk;
    }

    bool Store(Point2* table, int index, const Point2& value) {
        if (index < 0 || index >= MaxPoints) {
            return false;
        }
        table[index] = value;
        _filled = std::max(_filled, index + 1);
        return true;
    }

    bool CloseSet(int end) {
        if (_canvas.setCount >= MaxSets) {
            return false;
        }
        _canvas.setEnds[++_canvas.setCount] = end;
        _setStart = end;
        return true;
    }

    // Handles one line of the current phase and moves on to the next phase. On a failure the
    // point count tells how far the list got: the points stored for a point line, the running
    // count for any other line.
    bool TakeListLine(const char* line) {
        bool closed = false;
        bool ok = _phase == 0 ? TakePoint(line, closed) : TakeOtherLine(line);
        if (!ok) {
            _canvas.pointCount = std::clamp(_phase == 0 ? _index : _count, 0, MaxPoints);
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
            ++_count;
        } else if (_index != _setStart && SamePoint(point, _canvas.points[_setStart])) {
            if (!CloseSet(_index + 1)) {
                return false;
            }
            closed = true;
        }
        ++_index;
        return true;
    }

    bool TakeOtherLine(const char* line) {
        if (_phase == 4) {
            return true;
        }
        Point2 value;
        if (!ReadPair(line, value)) {
            return false;
        }
        bool bezier = _canvas.splineType == BezierSpline;
        switch (_phase) {
            case 1:
                if (!bezier) {
                    --_count;
                }
                return Store(_canvas.control1, bezier ? _index - 1 : _index, value);
            case 2:
                return Store(_canvas.control2, _index - 1, value);
            default:
                return TakeSegmentEnd(value);
        }
    }

    // A bezier segment's end is the next segment's start and is written again there; only the
    // end that closes the set is kept.
    bool TakeSegmentEnd(const Point2& value) {
        if (!SamePoint(value, _canvas.points[_setStart])) {
            return true;
        }
        if (!Store(_canvas.points, _index, value) || !CloseSet(_index + 1)) {
            return false;
        }
        ++_index;
        ++_count;
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
                    --_count;
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

    // A count that disagrees with the list is trusted within the capacity; sets that would end
    // beyond it are not kept, so every set lies within the points.
    void FinishDrawing() {
        _canvas.pointCount = std::clamp(_count, 0, MaxPoints);
        while (_canvas.setCount > 0 && _canvas.setEnds[_canvas.setCount] > _canvas.pointCount) {
            _canvas.setEnds[_canvas.setCount--] = 0;
        }
        for (int j = 0; j < _canvas.pointCount; ++j) {
            _canvas.points[j] = ToModel(_canvas.points[j]);
            _canvas.control1[j] = ToModel(_canvas.control1[j]);
            _canvas.control2[j] = ToModel(_canvas.control2[j]);
        }
        if (_canvas.splineType < BezierSpline) {
            _canvas.FillDefaultHandles();
        }
    }

    KCanvasPane& _canvas;
    SceneLineReader& _in;
    int _count = 0;     // the running count that becomes the point count
    int _index = 0;     // where the next point is stored
    int _setStart = 0;  // first index of the set being read
    int _phase = 0;
    int _filled = 0;  // entries of the three tables the file has written
};

bool HasPrismExtension(const char* fileName) {
    const char* dot = std::strrchr(fileName, '.');
    return dot != nullptr && Is(dot, ".prm");
}

}  // namespace

int KCanvasPane::ReadSceneFile(const char* fileName) {
    shapeKind = HasPrismExtension(fileName) ? Prism : Polygon;
    SceneLineReader in(fileName);
    if (!in.IsOpen()) {
        return ReadCannotOpen;
    }
    int result = SceneFileReading(*this, in).Read();
    if (result == ReadOk) {
        OnRedraw(1, 1, 1, 1);
    }
    return result;
}

void KCanvasPane::FillDefaultHandles() {
    int count = std::clamp(pointCount, 0, MaxPoints);
    for (int j = 0; j < count; ++j) {
        Point2& first = control1[j];
        Point2& second = control2[j];
        if (splineType != LinearSpline && first.x + first.y + second.x + second.y != 0) {
            continue;
        }
        // The last table entry has no successor; its handles then rest on the point itself.
        const Point2& point = points[j];
        const Point2& next = j + 1 < MaxPoints ? points[j + 1] : point;
        first = {(3 * point.x + next.x) * 0.25, (3 * point.y + next.y) * 0.25};
        second = {(first.x + next.x) * 0.5, (first.y + next.y) * 0.5};
    }
}
