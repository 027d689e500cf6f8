#pragma once

#include <vector>

#include "model/Point2.h"
#include "preview/Vec3.h"
#include "toolkit/raster/PixelSurface.h"

// The three-quarter view's camera, lights and floor, placed by the box bounding the thing as the
// preview's scene places them, and the sketch drawn so far: each pixel keeps how far along its
// ray the nearest surface painted there lies. No shadows.
class ThreeQuarterStage {
public:
    ThreeQuarterStage(const Vec3& low, const Vec3& high, int size);

    int Size() const { return _size; }
    const Vec3& Eye() const { return _eye; }
    // The ray through a pixel's centre: eye + t ray is the point t along it.
    Vec3 Ray(int column, int row) const;
    // Where a point shows, in pixels.
    Point2 Projected(const Vec3& p) const;
    // Paints the thing at the point t along the pixel's ray, facing the normal (either way),
    // when nothing nearer is painted there yet.
    void PaintThing(int column, int row, double t, const Vec3& normal);
    // The floor under every pixel still empty, and the picture.
    PixelSurface Finish();

private:
    bool Nearer(int column, int row, double t);
    uint32_t Lit(const Vec3& p, Vec3 normal, const Vec3& ray, bool thing) const;

    int _size;
    Vec3 _eye{0, 0, 0};
    Vec3 _forward{0, 0, 1};
    Vec3 _right{1, 0, 0};
    Vec3 _up{0, 1, 0};
    Vec3 _lights[2] = {};
    double _floor = 0;
    std::vector<double> _depth;
    PixelSurface _picture;
};
