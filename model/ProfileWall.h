#pragma once

#include <vector>

#include "model/SetOutlines.h"

enum class WallSide { Inside, Outside };
enum class LipShape { Round, Flat };

struct WallOptions {
    // File units; more than 0.
    double thickness = 0.1;
    // Inside is the side of the space the profile encloses with the axis.
    WallSide side = WallSide::Inside;
    // The shape of an end that does not rest on the axis.
    LipShape lip = LipShape::Round;
};

// Why a surface of revolution cannot be walled.
constexpr const char* SorWallRefusal =
    "A sor cannot hold a closed wall: its heights must rise. Make it a lathe first.";

// Each chosen profile of a lathe (numbers 1 .. setCount; none: every finished set), as drawn
// without its closing line, made a closed profile of even thickness: the profile, the curve
// that runs the thickness beside it on the side asked for, and a lip at each end that does not
// rest on the axis. Nothing reaches below x = 0; a result that breaks one of the ray tracer's
// lathe rules is refused with the rule. A linear lathe gets lines, a bezier lathe curves.
SetsResult WallProfiles(const Drawing& drawing, int kind, const std::vector<int>& sets,
                        const WallOptions& options);
