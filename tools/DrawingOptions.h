#pragma once

#include <optional>

#include "model/Drawing.h"
#include "model/EditState.h"
#include "tools/ToolArguments.h"

// The options that set drawing values before a drawing is written: kind, spline, sweep,
// heights, "open", "sturm" and the three remarks. Values not given leave the drawing as it is.
class DrawingOptions {
public:
    // False when the name is not one of these options.
    static bool Knows(const char* name);
    OptionResult Take(const char* name, ToolArguments& args);
    void ApplyTo(Drawing& drawing) const;
    // The writer's kind choice: the file filter of the kind given (SceneKind), else 2, a filter
    // of no one kind, which writes the kind the drawing already has.
    int KindChoice() const;

private:
    OptionResult TakeValue(const char* name, const char* value);

    std::optional<ShapeKind> _kind;
    std::optional<SplineType> _spline;
    std::optional<SweepType> _sweep;
    std::optional<bool> _open;
    std::optional<bool> _sturm;
    bool _hasStart = false;
    bool _hasEnd = false;
    double _start = 0;
    double _end = 0;
    const char* _remarks[3] = {nullptr, nullptr, nullptr};
};
