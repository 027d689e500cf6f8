#pragma once

#include "model/Point2.h"

// Points as vectors, for the curve constructions of import and export.
inline Point2 operator+(Point2 a, Point2 b) {
    return {a.x + b.x, a.y + b.y};
}
inline Point2 operator-(Point2 a, Point2 b) {
    return {a.x - b.x, a.y - b.y};
}
inline Point2 operator*(double k, Point2 a) {
    return {k * a.x, k * a.y};
}
inline Point2 operator/(Point2 a, double d) {
    return {a.x / d, a.y / d};
}
inline bool operator==(Point2 a, Point2 b) {
    return a.x == b.x && a.y == b.y;
}
