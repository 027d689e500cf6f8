#pragma once

#include <cmath>
#include <string>

#include "model/KCanvasPane.h"

// What is wrong with a drawing model that no file, dialog or gesture may ever produce: counts
// out of range, set ends that do not increase or lie beyond the points, a coordinate or height
// that is not finite. "" when the model is sound.
inline std::string DrawingFault(const KCanvasPane& canvas) {
    if (canvas.pointCount < 0 || canvas.pointCount > MaxPoints) {
        return "point count " + std::to_string(canvas.pointCount);
    }
    if (canvas.setCount < 0 || canvas.setCount > MaxSets) {
        return "set count " + std::to_string(canvas.setCount);
    }
    if (canvas.setEnds[0] != 0) {
        return "first set end " + std::to_string(canvas.setEnds[0]);
    }
    for (int k = 1; k <= canvas.setCount; ++k) {
        if (canvas.setEnds[k] <= canvas.setEnds[k - 1] || canvas.setEnds[k] > canvas.pointCount) {
            return "set end " + std::to_string(k) + " is " + std::to_string(canvas.setEnds[k]);
        }
    }
    const Point2* tables[] = {canvas.points, canvas.control1, canvas.control2};
    for (const Point2* table : tables) {
        for (int i = 0; i < MaxPoints; ++i) {
            if (!std::isfinite(table[i].x) || !std::isfinite(table[i].y)) {
                return "entry " + std::to_string(i) + " is not finite";
            }
        }
    }
    if (!std::isfinite(canvas.prismStart) || !std::isfinite(canvas.prismEnd)) {
        return "a prism height is not finite";
    }
    return std::string();
}
