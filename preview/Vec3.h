#pragma once

#include <cmath>

// A point or a direction in the space of the preview's scenes.
struct Vec3 {
    double x;
    double y;
    double z;

    Vec3 operator+(const Vec3& o) const { return {x + o.x, y + o.y, z + o.z}; }
    Vec3 operator-(const Vec3& o) const { return {x - o.x, y - o.y, z - o.z}; }
    Vec3 operator*(double k) const { return {x * k, y * k, z * k}; }
    double Dot(const Vec3& o) const { return x * o.x + y * o.y + z * o.z; }
    Vec3 Cross(const Vec3& o) const {
        return {y * o.z - z * o.y, z * o.x - x * o.z, x * o.y - y * o.x};
    }
    Vec3 Unit() const {
        const double length = std::sqrt(Dot(*this));
        return length > 0 ? *this * (1 / length) : *this;
    }
};
