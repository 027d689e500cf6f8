#include "tools/DrawingOptions.h"

#include <cstdio>
#include <cstring>

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

bool TakeChoice(const char* const* names, const char* value, int& choice) {
    int index = IndexIn(names, value);
    if (index >= 0) {
        choice = index;
    }
    return index >= 0;
}

}  // namespace

bool DrawingOptions::Knows(const char* name) {
    return IndexIn(OptionNames, name) >= 0;
}

bool DrawingOptions::Take(const char* name, ToolArguments& args) {
    const char* value = nullptr;
    return Knows(name) && args.Value(value) && TakeValue(name, value);
}

bool DrawingOptions::TakeValue(const char* name, const char* value) {
    static const char* const kinds[] = {"polygon", "prism", nullptr};
    static const char* const splines[] = {"linear", "quadratic", "cubic", "bezier", nullptr};
    static const char* const sweeps[] = {"linear", "conic", nullptr};
    static const char* const flags[] = {"0", "1", nullptr};
    switch (IndexIn(OptionNames, name)) {
        case 0:
            return TakeChoice(kinds, value, _kindChoice);
        case 1:
            return TakeChoice(splines, value, _spline);
        case 2:
            return TakeChoice(sweeps, value, _sweep);
        case 3:
            return _hasStart = ParseReal(value, _start);
        case 4:
            return _hasEnd = ParseReal(value, _end);
        case 5:
            return TakeChoice(flags, value, _open);
        case 6:
            return TakeChoice(flags, value, _sturm);
        default:
            // A remark is one line of the file.
            _remarks[name[6] - '1'] = value;
            return std::strpbrk(value, "\r\n") == nullptr;
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
