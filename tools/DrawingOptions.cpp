#include "tools/DrawingOptions.h"
#include "model/NumberText.h"

#include <cstdio>
#include <cstring>

#include "scenefile/SceneKind.h"
#include "toolkit/util/Utf8Text.h"

namespace {

// In the order of OptionNames.
enum class DrawingOption {
    Kind,
    Spline,
    Sweep,
    Start,
    End,
    Open,
    Sturm,
    Remark1,
    Remark2,
    Remark3
};

const char* const OptionNames[] = {"kind",  "spline",  "sweep",   "start",   "end",  "open",
                                   "sturm", "remark1", "remark2", "remark3", nullptr};

OptionResult TakeHeight(const char* value, bool& given, double& height) {
    given = ReadNumber(value, height);
    return OptionResult::TakenIf(given, "not a finite number");
}

}  // namespace

bool DrawingOptions::Knows(const char* name) {
    return ChoiceIndex(name, OptionNames) >= 0;
}

int DrawingOptions::KindChoice() const {
    return _kind ? FilterOfKind(*_kind) : 2;
}

OptionResult DrawingOptions::Take(const char* name, ToolArguments& args) {
    const char* value = nullptr;
    if (!Knows(name)) {
        return OptionStatus::Unknown;
    }
    return args.Value(value) ? TakeValue(name, value) : OptionStatus::MissingValue;
}

OptionResult DrawingOptions::TakeValue(const char* name, const char* value) {
    static const char* const kinds[] = {"polygon", "prism", "lathe", "sor", nullptr};
    static const char* const splines[] = {"linear", "quadratic", "cubic", "bezier", nullptr};
    static const char* const sweeps[] = {"linear", "conic", nullptr};
    static const char* const flags[] = {"0", "1", nullptr};
    const auto option = static_cast<DrawingOption>(ChoiceIndex(name, OptionNames));
    switch (option) {
        case DrawingOption::Kind:
            return TakeChoice(value, kinds, _kind);
        case DrawingOption::Spline:
            return TakeChoice(value, splines, _spline);
        case DrawingOption::Sweep:
            return TakeChoice(value, sweeps, _sweep);
        case DrawingOption::Start:
            return TakeHeight(value, _hasStart, _start);
        case DrawingOption::End:
            return TakeHeight(value, _hasEnd, _end);
        case DrawingOption::Open:
            return TakeChoice(value, flags, _open);
        case DrawingOption::Sturm:
            return TakeChoice(value, flags, _sturm);
        case DrawingOption::Remark1:
        case DrawingOption::Remark2:
        case DrawingOption::Remark3:
            // A remark is one line of the file.
            _remarks[static_cast<int>(option) - static_cast<int>(DrawingOption::Remark1)] = value;
            return OptionResult::TakenIf(std::strpbrk(value, "\r\n") == nullptr,
                                         "holds a line break");
    }
    return OptionStatus::Unknown;
}

void DrawingOptions::ApplyTo(Drawing& drawing) const {
    auto set = [](int& field, const auto& value) {
        if (value) {
            field = static_cast<int>(*value);
        }
    };
    set(drawing.splineType, _spline);
    set(drawing.sweepType, _sweep);
    set(drawing.isOpen, _open);
    set(drawing.useSturm, _sturm);
    if (_hasStart) {
        drawing.prismStart = _start;
    }
    if (_hasEnd) {
        drawing.prismEnd = _end;
    }
    char* remarks[] = {drawing.remark1, drawing.remark2, drawing.remark3};
    for (int i = 0; i < 3; ++i) {
        if (_remarks[i] != nullptr) {
            CopyUtf8(remarks[i], RemarkSize, _remarks[i]);
        }
    }
}
