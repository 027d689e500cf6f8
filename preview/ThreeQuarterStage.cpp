#include "preview/ThreeQuarterStage.h"

#include <algorithm>
#include <cmath>

#include "preview/SketchColour.h"

namespace {

// How far before the eye the picture lies, one unit wide: the camera sees 40 degrees across.
const double LensDepth = 0.5 / std::tan(20 * std::acos(-1.0) / 180);

// How a finish takes the light.
struct Finish {
    SketchColour pigment;
    double ambient;
    double diffuse;
    double specular;
};

const Finish ThingFinish{SketchColour::Thing, 0.12, 0.75, 0.3};
const Finish FloorFinish{SketchColour::Floor, 0.55, 0.45, 0};

}  // namespace

ThreeQuarterStage::ThreeQuarterStage(const Vec3& low, const Vec3& high, int size) : _size(size) {
    const Vec3 centre = (low + high) * 0.5;
    const double radius = std::max(std::sqrt((high - low).Dot(high - low)) / 2, 0.25);
    _eye = centre + Vec3{-1.0, 1.5, -2.2}.Unit() * (radius * 3.1);
    _forward = (centre - _eye).Unit();
    _right = Vec3{_forward.z, 0, -_forward.x}.Unit();
    _up = _forward.Cross(_right);
    _lights[0] = centre + Vec3{-4, 8, -6} * radius;
    _lights[1] = centre + Vec3{6, 3, -3} * radius;
    _floor = low.y - radius * 0.01;
    _depth.assign(static_cast<size_t>(size) * size, HUGE_VAL);
    _picture.Resize(size, size, SketchColour::White.Encoded());
}

Vec3 ThreeQuarterStage::Ray(int column, int row) const {
    return _forward * LensDepth + _right * ((column + 0.5) / _size - 0.5) +
           _up * (0.5 - (row + 0.5) / _size);
}

Point2 ThreeQuarterStage::Projected(const Vec3& p) const {
    const Vec3 v = p - _eye;
    const double along = v.Dot(_forward) / LensDepth;
    return {(v.Dot(_right) / along + 0.5) * _size, (0.5 - v.Dot(_up) / along) * _size};
}

void ThreeQuarterStage::PaintThing(int column, int row, double t, const Vec3& normal) {
    if (Nearer(column, row, t)) {
        const Vec3 ray = Ray(column, row);
        _picture.At(column, row) = Lit(_eye + ray * t, normal, ray, true);
    }
}

PixelSurface ThreeQuarterStage::Finish() {
    for (int row = 0; row < _size; ++row) {
        for (int column = 0; column < _size; ++column) {
            const Vec3 ray = Ray(column, row);
            const double t = (_floor - _eye.y) / ray.y;
            if (ray.y < 0 && Nearer(column, row, t)) {
                _picture.At(column, row) = Lit(_eye + ray * t, {0, 1, 0}, ray, false);
            }
        }
    }
    return std::move(_picture);
}

// Marks the pixel when the hit at t is the nearest so far; false when it is not.
bool ThreeQuarterStage::Nearer(int column, int row, double t) {
    double& depth = _depth[static_cast<size_t>(row) * _size + column];
    if (!(t > 0 && t < depth)) {
        return false;
    }
    depth = t;
    return true;
}

uint32_t ThreeQuarterStage::Lit(const Vec3& p, Vec3 normal, const Vec3& ray, bool thing) const {
    const ::Finish& finish = thing ? ThingFinish : FloorFinish;
    const SketchColour& pigment = finish.pigment;
    if (normal.Dot(ray) > 0) {
        normal = normal * -1;
    }
    const double intensity[2] = {1, 0.3};
    // POV-Ray gives the second light, a shadowless one, no highlight.
    const double specular[2] = {finish.specular, 0};
    SketchColour light{pigment.red * finish.ambient, pigment.green * finish.ambient,
                       pigment.blue * finish.ambient};
    for (int i = 0; i < 2; ++i) {
        const Vec3 towards = (_lights[i] - p).Unit();
        const double facing = normal.Dot(towards);
        if (facing <= 0) {
            continue;
        }
        const double shine =
            specular[i] * std::pow(std::max(0.0, normal.Dot((towards - ray.Unit()).Unit())), 50);
        const double lit = finish.diffuse * facing * intensity[i];
        light = {light.red + pigment.red * lit + shine * intensity[i],
                 light.green + pigment.green * lit + shine * intensity[i],
                 light.blue + pigment.blue * lit + shine * intensity[i]};
    }
    return light.Encoded();
}
