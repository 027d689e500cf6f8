#include "model/BackgroundPlacement.h"

#include "model/ModelUnits.h"

namespace {

Affine2 Scaling(double x, double y) {
    return {x, 0, 0, y, 0, 0};
}

Affine2 Moving(double x, double y) {
    return {1, 0, 0, 1, x, y};
}

// Anticlockwise with y up; whole quarter turns are exact.
Affine2 QuarterTurns(int turns) {
    static constexpr int cosines[] = {1, 0, -1, 0};
    static constexpr int sines[] = {0, 1, 0, -1};
    const int q = ((turns % 4) + 4) % 4;
    return {double(cosines[q]), double(sines[q]), double(-sines[q]), double(cosines[q]), 0, 0};
}

}  // namespace

Affine2 BackgroundPlacement::PictureToModel(int pictureWidth, int pictureHeight) const {
    const double perPixel = pictureWidth > 0 ? width / pictureWidth : 0;
    const Affine2 aboutCentre = Moving(-pictureWidth / 2.0, -pictureHeight / 2.0);
    const Affine2 toFile = Scaling(mirrored ? -perPixel : perPixel, -perPixel);
    const Affine2 toModel = Scaling(ModelUnitsPerFileUnit, -ModelUnitsPerFileUnit);
    return toModel * Moving(centreX, centreY) * QuarterTurns(quarterTurns) * toFile * aboutCentre;
}
