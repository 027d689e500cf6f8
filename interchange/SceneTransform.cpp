#include "interchange/SceneTransform.h"

#include <vector>

#include "interchange/SdlFunctions.h"

SceneTransform SceneTransform::Scale(const Vec3& factors) {
    SceneTransform t;
    for (int i = 0; i < 3; ++i) {
        t.linear[i][i] = factors[i];
    }
    return t;
}

SceneTransform SceneTransform::Translate(const Vec3& by) {
    SceneTransform t;
    t.offset = by;
    return t;
}

// Each axis turned as the scene language's vrotate turns a vector, which is the modifier's
// rotation.
SceneTransform SceneTransform::Rotate(const Vec3& degrees) {
    SceneTransform t;
    const SdlValue angles = SdlValue::Components(degrees.data(), 3);
    for (int i = 0; i < 3; ++i) {
        SdlValue turned;
        std::string why;
        SdlFunctions::Apply("vrotate", {SdlValue::Components(t.linear[i].data(), 3), angles},
                            turned, why);
        t.linear[i] = {turned.v[0], turned.v[1], turned.v[2]};
    }
    return t;
}

SceneTransform SceneTransform::Matrix(const std::array<double, 12>& values) {
    SceneTransform t;
    for (int i = 0; i < 3; ++i) {
        t.linear[i] = {values[3 * i], values[3 * i + 1], values[3 * i + 2]};
    }
    t.offset = {values[9], values[10], values[11]};
    return t;
}

SceneTransform SceneTransform::Then(const SceneTransform& next) const {
    SceneTransform t;
    for (int i = 0; i < 3; ++i) {
        t.linear[i] = next.Turn(linear[i]);
    }
    t.offset = next.Apply(offset);
    return t;
}

SceneTransform::Vec3 SceneTransform::Turn(const Vec3& d) const {
    Vec3 out{0, 0, 0};
    for (int j = 0; j < 3; ++j) {
        out[j] = d[0] * linear[0][j] + d[1] * linear[1][j] + d[2] * linear[2][j];
    }
    return out;
}

SceneTransform::Vec3 SceneTransform::Apply(const Vec3& p) const {
    const Vec3 turned = Turn(p);
    return {turned[0] + offset[0], turned[1] + offset[1], turned[2] + offset[2]};
}
