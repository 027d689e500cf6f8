#pragma once

#include "toolkit/vColor.h"

constexpr int StandardColorCount = 16;

struct vNamedColor {
    const char* name;
    vColor color;
};

// The sixteen named colours, black first and white last.
extern const vNamedColor StandardColors[StandardColorCount];
