#include "scenefile/ProfileFileReading.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "model/DrawingHandles.h"
#include "model/NodeHandles.h"
#include "model/WrittenPoints.h"
#include "scenefile/NodeComments.h"
#include "scenefile/SceneKind.h"
#include "scenefile/SceneLineReader.h"
#include "scenefile/SceneReadResult.h"
#include "scenefile/SceneValues.h"

namespace {

const char* const UnfinishedLine = "//___unfinished___";
const char* const OpenLine = "//___open___";

bool Is(const char* line, const char* text) {
    return std::strcmp(line, text) == 0;
}

// A whole number alone on its line; a comma after it, as POV-Ray's own layout has, is taken.
bool IsCount(const char* line) {
    char* end = nullptr;
    const long long count = std::strtoll(line, &end, 10);
    if (end == line || count < 0) {
        return false;
    }
    end += std::strspn(end, " \t");
    end += *end == ',' ? 1 : 0;
    return *end == '\0';
}

Point2 ToModel(const Point2& file) {
    return {file.x * ModelUnitsPerFileUnit, file.y * -ModelUnitsPerFileUnit};
}

}  // namespace

int ProfileFileReading::Read() {
    int result = ReadOk;
    for (bool more = true; more;) {
        Profile profile;
        result = ReadProfile(profile);
        if (result != ReadOk) {
            break;
        }
        _profiles.push_back(profile);
        more = false;
        if (_inUnion) {
            const int next = NextDeclaration();
            more = next > 0;
            result = next < 0 ? ReadBadBody : ReadOk;
        }
    }
    if (!PutProfiles() && result == ReadOk) {
        result = ReadBadBody;
    }
    return result;
}

int ProfileFileReading::ReadProfile(Profile& profile) {
    const char* line = _in.Next();
    for (; Is(line, UnfinishedLine) || Is(line, OpenLine); line = _in.Next()) {
        (Is(line, OpenLine) ? profile.open : profile.unfinished) = true;
    }
    if (_kind == Lathe) {
        for (int spline = SplineKeyword(line); spline >= 0; spline = SplineKeyword(line)) {
            _canvas.splineType = spline;
            line = _in.Next();
        }
    }
    if (!IsCount(line)) {
        return ReadBadHeader;
    }
    return ReadValues(profile);
}

// Up to the declaration's "}", or the end of the input.
int ProfileFileReading::ReadValues(Profile& profile) {
    while (!_in.AtEnd()) {
        const char* line = _in.Next();
        Point2 value{0, 0};
        if (Is(line, "}")) {
            break;
        }
        if (Is(line, "open") || Is(line, "sturm")) {
            (Is(line, "open") ? profile.open : profile.sturm) = true;
        } else if (std::strncmp(line, "//", 2) == 0) {
            profile.open = profile.open || Is(line, OpenLine);
        } else if (ReadPair(line, value) && profile.values.size() < MaxPoints) {
            profile.values.push_back(value);
            profile.types.push_back(NodeTypeOfLine(line));
        } else {
            return ReadBadBody;
        }
    }
    return ReadOk;
}

// The line opens a declaration of the drawing's kind.
bool ProfileFileReading::OpensDeclaration(const char* line) const {
    const std::string opening = std::string(SceneKindOf(_kind).name) + "{";
    return std::strstr(line, opening.c_str()) != nullptr;
}

// Past the comments between two declarations of a union: 1 at the next declaration, 0 at the
// union's end (or the input's), -1 at anything else.
int ProfileFileReading::NextDeclaration() {
    while (!_in.AtEnd()) {
        const char* line = _in.Next();
        if (std::strncmp(line, "//", 2) == 0) {
            continue;
        }
        if (Is(line, "}")) {
            return 0;
        }
        return OpensDeclaration(line) ? 1 : -1;
    }
    return 0;
}

// The values as the spline lists them: a quadratic or cubic lathe's leading slope point is the
// set's control point and a cubic one's end slope point is left out; a bezier lathe's groups of
// four give a point each and its segment's handles, the last group its end point too. Where a
// group does not start on the end of the one before, its start is taken.
ProfileFileReading::Laid ProfileFileReading::LayOut(const Profile& profile) const {
    const std::vector<Point2>& v = profile.values;
    const int spline = _kind == Lathe ? _canvas.splineType : LinearSpline;
    const size_t n = v.size();
    Laid laid;
    if ((spline == QuadraticSpline || spline == CubicSpline) && n > 0) {
        laid.hasControl = true;
        laid.control = v[0];
        const size_t end = spline == CubicSpline && n > 2 ? n - 1 : n;
        if (end < n) {
            laid.endSlope = v[end];
        }
        laid.points.assign(v.begin() + 1, v.begin() + static_cast<long>(end));
    } else if (spline == BezierSpline && n >= 4) {
        const size_t groups = n / 4;
        for (size_t g = 0; g < groups; ++g) {
            laid.points.push_back(v[4 * g]);
            laid.types.push_back(profile.types[4 * g]);
            laid.first.push_back(v[4 * g + 1]);
            laid.second.push_back(v[4 * g + 2]);
        }
        laid.points.push_back(v[4 * groups - 1]);
        laid.points.insert(laid.points.end(), v.begin() + static_cast<long>(4 * groups), v.end());
    } else {
        laid.points = v;
    }
    return laid;
}

// A profile of an open lathe or of a surface of revolution gets the closing repeat of a set the
// editor finishes; a closed lathe's ends on it already.
bool ProfileFileReading::PutProfiles() {
    bool open = false;
    bool sturm = false;
    for (const Profile& profile : _profiles) {
        open = open || profile.open;
        sturm = sturm || profile.sturm;
    }
    if (!_profiles.empty()) {
        _canvas.isOpen = open ? 1 : 0;
        _canvas.useSturm = sturm ? 1 : 0;
    }
    const bool keepLast = _kind == Lathe && !open;
    _canvas.pointCount = 0;
    _canvas.setCount = 0;
    std::fill(_canvas.nodeTypes, _canvas.nodeTypes + MaxPoints, NodeType::Corner);
    bool fits = true;
    for (size_t i = 0; i < _profiles.size() && fits; ++i) {
        const bool unfinished = _profiles[i].unfinished && i + 1 == _profiles.size();
        fits = PutProfile(LayOut(_profiles[i]), unfinished, keepLast && !unfinished);
    }
    DropLooseNodeTypes(_canvas);
    std::fill(_canvas.control1 + _canvas.pointCount, _canvas.control1 + MaxPoints, Point2{0, 0});
    std::fill(_canvas.control2 + _canvas.pointCount, _canvas.control2 + MaxPoints, Point2{0, 0});
    return fits;
}

bool ProfileFileReading::PutProfile(const Laid& laid, bool unfinished, bool keepLast) {
    const int n = static_cast<int>(laid.points.size());
    const int needed = unfinished || keepLast ? n : n + 1;
    const int first = _canvas.pointCount;
    if (n == 0) {
        return true;
    }
    if (needed > MaxPoints - first || (!unfinished && _canvas.setCount >= MaxSets)) {
        return false;
    }
    for (int j = 0; j < needed; ++j) {
        _canvas.points[first + j] = ToModel(laid.points[j < n ? j : 0]);
    }
    for (int j = first; j < first + needed; ++j) {
        const Point2& next = _canvas.points[j + 1 < first + needed ? j + 1 : j];
        DefaultHandles(_canvas.points[j], next, _canvas.control1[j], _canvas.control2[j]);
    }
    for (size_t j = 0; j < laid.types.size(); ++j) {
        _canvas.nodeTypes[first + static_cast<int>(j)] = laid.types[j];
    }
    for (size_t j = 0; j < laid.first.size(); ++j) {
        _canvas.control1[first + static_cast<int>(j)] = ToModel(laid.first[j]);
        _canvas.control2[first + static_cast<int>(j)] = ToModel(laid.second[j]);
    }
    if (laid.hasControl) {
        _canvas.control1[first] = ToModel(laid.control);
    }
    if (laid.endSlope) {
        KeepTrailingControl(_canvas, first, first + n, *laid.endSlope, true);
    }
    _canvas.pointCount = first + needed;
    if (!unfinished) {
        _canvas.setEnds[++_canvas.setCount] = _canvas.pointCount;
    }
    return true;
}
