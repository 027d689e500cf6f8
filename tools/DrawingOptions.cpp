#include "tools/DrawingOptions.h"
#include "model/NumberText.h"

#include <cstdio>
#include <cstring>

#include "scenefile/SceneKind.h"
#include "toolkit/Utf8Text.h"

namespace {

const char* const OptionNames[] = {"kind",  "spline",  "sweep",   "start",   "end",  "open",
                                   "sturm", "remark1", "remark2", "remark3", nullptr};

// The index of the text among the names, or -1.
int IndexIn(const char* const* names, const char* text) {
    for (int i = 0; names[i] != nullptr; ++i) {
        if (std::strcmp(names[i], text) == 0) {
            return i;
        }
    }
    return -1;
}

std::string TakeHeight(const char* value, bool& given, double& height) {
    given = ReadNumber(value, height);
    return given ? "" : "not a finite number";
}

}  // namespace

bool DrawingOptions::Knows(const char* name) {
    return IndexIn(OptionNames, name) >= 0;
}

std::string DrawingOptions::Take(const char* name, ToolArguments& args) {
    const char* value = nullptr;
    if (!Knows(name)) {
        return UnknownOption;
    }
    return args.Value(value) ? TakeValue(name, value) : MissingValue;
}

std::string DrawingOptions::TakeValue(const char* name, const char* value) {
    static const char* const kinds[] = {"polygon", "prism", "lathe", "sor", nullptr};
    static const char* const splines[] = {"linear", "quadratic", "cubic", "bezier", nullptr};
    static const char* const sweeps[] = {"linear", "conic", nullptr};
    static const char* const flags[] = {"0", "1", nullptr};
    switch (IndexIn(OptionNames, name)) {
        case 0: {
            int kind = Polygon;
            const std::string refused = TakeChoice(value, kinds, kind);
            _kindChoice = refused.empty() ? FilterOfKind(kind) : _kindChoice;
            return refused;
        }
        case 1:
            return TakeChoice(value, splines, _spline);
        case 2:
            return TakeChoice(value, sweeps, _sweep);
        case 3:
            return TakeHeight(value, _hasStart, _start);
        case 4:
            return TakeHeight(value, _hasEnd, _end);
        case 5:
            return TakeChoice(value, flags, _open);
        case 6:
            return TakeChoice(value, flags, _sturm);
        default:
            // A remark is one line of the file.
            _remarks[name[6] - '1'] = value;
            return std::strpbrk(value, "\r\n") == nullptr ? "" : "holds a line break";
    }
}

void DrawingOptions::ApplyTo(KCanvasPane& canvas) const {
    auto set = [](int& field, int value) {
        if (value != Unset) {
            field = value;
        }
    };
    set(canvas.splineType, _spline);
    set(canvas.sweepType, _sweep);
    set(canvas.isOpen, _open);
    set(canvas.useSturm, _sturm);
    if (_hasStart) {
        canvas.prismStart = _start;
    }
    if (_hasEnd) {
        canvas.prismEnd = _end;
    }
    char* remarks[] = {canvas.remark1, canvas.remark2, canvas.remark3};
    for (int i = 0; i < 3; ++i) {
        if (_remarks[i] != nullptr) {
            CopyUtf8(remarks[i], RemarkSize, _remarks[i]);
        }
    }
}
