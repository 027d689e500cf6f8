#pragma once

#include <array>

// An affine map of the scene's space as the ray tracer composes object modifiers: a point is a
// row vector, p' = p * linear + offset, and each modifier acts after the ones before it.
struct SceneTransform {
    using Vec3 = std::array<double, 3>;

    std::array<Vec3, 3> linear{{{1, 0, 0}, {0, 1, 0}, {0, 0, 1}}};  // the images of x, y, z
    Vec3 offset{0, 0, 0};

    static SceneTransform Scale(const Vec3& factors);
    static SceneTransform Translate(const Vec3& by);
    // Turns about x, then y, then z by the angles in degrees, as the ray tracer's rotate does.
    static SceneTransform Rotate(const Vec3& degrees);
    // matrix <m00, m01, m02, m10, ..., m32>: three rows of the linear part, then the offset.
    static SceneTransform Matrix(const std::array<double, 12>& values);

    // This map followed by next.
    SceneTransform Then(const SceneTransform& next) const;
    Vec3 Apply(const Vec3& p) const;
    // The linear part alone, applied to a direction.
    Vec3 Turn(const Vec3& d) const;
};
