#include "render/BackgroundLayer.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <utility>

#include "model/KCanvasPane.h"

namespace {

// Channels of 0xAARRGGBB.
unsigned Channel(uint32_t pixel, int shift) {
    return pixel >> shift & 0xffu;
}

// The mean of four pixels, opacity included.
uint32_t Mean(uint32_t p, uint32_t q, uint32_t r, uint32_t s) {
    uint32_t mean = 0;
    for (int shift = 0; shift < 32; shift += 8) {
        const unsigned sum =
            Channel(p, shift) + Channel(q, shift) + Channel(r, shift) + Channel(s, shift);
        mean |= ((sum + 2) / 4) << shift;
    }
    return mean;
}

PixelSurface Halved(const PixelSurface& from) {
    const int width = (from.Width() + 1) / 2;
    const int height = (from.Height() + 1) / 2;
    PixelSurface half(width, height);
    for (int y = 0; y < height; ++y) {
        const int y0 = std::min(2 * y, from.Height() - 1);
        const int y1 = std::min(2 * y + 1, from.Height() - 1);
        for (int x = 0; x < width; ++x) {
            const int x0 = std::min(2 * x, from.Width() - 1);
            const int x1 = std::min(2 * x + 1, from.Width() - 1);
            half.At(x, y) = Mean(from.Pixel(x0, y0), from.Pixel(x1, y0), from.Pixel(x0, y1),
                                 from.Pixel(x1, y1));
        }
    }
    return half;
}

// The picture's pixel over the background: its own opacity times the layer's, in 1/256ths.
uint32_t Blend(uint32_t picture, uint32_t background, unsigned opacity256) {
    const unsigned alpha = Channel(picture, 24) * opacity256 / 255;
    uint32_t out = 0xff000000u;
    for (int shift = 0; shift < 24; shift += 8) {
        const int under = static_cast<int>(Channel(background, shift));
        const int over = static_cast<int>(Channel(picture, shift));
        out |= static_cast<uint32_t>(under + ((over - under) * static_cast<int>(alpha)) / 256)
               << shift;
    }
    return out;
}

bool Close(double a, double b) {
    return std::fabs(a - b) < 1e-7;
}

// The canvas's view, zoom and pan included: model units to pixel edges, as it maps points.
Affine2 ModelToPixel(const KCanvasPane& canvas) {
    return {canvas.ViewScaleX(), 0, 0, canvas.ViewScaleY(), canvas.ViewOriginX(),
            canvas.ViewOriginY()};
}

// What is left of a move after its whole pixels: -0.5 .. 0.5.
double Fraction(double value) {
    return value - std::round(value);
}

}  // namespace

bool BackgroundLayer::Key::operator==(const Key& other) const {
    return a == other.a && b == other.b && c == other.c && d == other.d &&
           Close(fractionX, other.fractionX) && Close(fractionY, other.fractionY) &&
           placement == other.placement && background == other.background && width == other.width &&
           height == other.height && picture == other.picture;
}

BackgroundLayer::BackgroundLayer() = default;

void BackgroundLayer::SetPicture(PixelSurface picture) {
    _levels.clear();
    if (picture.Width() > 0 && picture.Height() > 0) {
        _levels.push_back(std::move(picture));
    }
    ++_pictureGeneration;
}

const PixelSurface& BackgroundLayer::Picture() const {
    static const PixelSurface none;
    return _levels.empty() ? none : _levels.front();
}

void BackgroundLayer::SetPlacement(const BackgroundPlacement& placement) {
    _placement = placement;
}

const PixelSurface& BackgroundLayer::Level(int level) {
    while (static_cast<int>(_levels.size()) <= level) {
        _levels.push_back(Halved(_levels.back()));
    }
    return _levels[static_cast<size_t>(level)];
}

// The halving whose pixels come closest to the canvas's without being smaller than half of one.
int BackgroundLayer::LevelFor(const Affine2& pixelToPicture) const {
    const double step = std::max(std::hypot(pixelToPicture.a, pixelToPicture.b),
                                 std::hypot(pixelToPicture.c, pixelToPicture.d));
    int level = 0;
    int side = std::max(_levels.front().Width(), _levels.front().Height());
    for (double s = step; s >= 2 && side > 1; s /= 2, side /= 2) {
        ++level;
    }
    return level;
}

void BackgroundLayer::WorkOut(int x0, int y0, int x1, int y1) {
    if (x0 >= x1 || y0 >= y1) {
        return;
    }
    const PixelSurface& picture = Level(_level);
    const double shrink = 1.0 / (1 << _level);
    const Affine2 m = _pixelToPicture;
    const unsigned opacity = static_cast<unsigned>(std::lround(_key.placement.opacity * 256));
    const uint32_t background = _key.background;
    const int width = picture.Width();
    const int height = picture.Height();
    PixelSurface& kept = _kept.Pixels();
    for (int y = y0; y < y1; ++y) {
        // The picture position of each pixel's centre, in the chosen halving; a position left
        // of or above the picture is negative, so cutting the fraction off floors the rest.
        const double py = y + 0.5 - _moveY;
        const double rowU = (m.c * py + m.e) * shrink;
        const double rowV = (m.d * py + m.f) * shrink;
        const double stepU = m.a * shrink;
        const double stepV = m.b * shrink;
        uint32_t* row = &kept.At(0, y);
        for (int x = x0; x < x1; ++x) {
            const double px = x + 0.5 - _moveX;
            const double u = rowU + stepU * px;
            const double v = rowV + stepV * px;
            row[x] = u >= 0 && v >= 0 && u < width && v < height
                         ? Blend(picture.Pixel(static_cast<int>(u), static_cast<int>(v)),
                                 background, opacity)
                         : background;
        }
    }
    _pixelsWorkedOut += static_cast<long long>(x1 - x0) * (y1 - y0);
}

void BackgroundLayer::Shift(int dx, int dy) {
    PixelSurface& kept = _kept.Pixels();
    const int width = kept.Width();
    const int height = kept.Height();
    const size_t across = static_cast<size_t>(width - std::abs(dx));
    auto move = [&](int y) {
        std::memmove(&kept.At(std::max(dx, 0), y), &kept.At(std::max(-dx, 0), y - dy),
                     across * sizeof(uint32_t));
    };
    // Rows are taken before they are overwritten: from the bottom up when moving down.
    if (across > 0 && dy > 0) {
        for (int y = height - 1; y >= dy; --y) {
            move(y);
        }
    } else if (across > 0) {
        for (int y = 0; y < height + dy; ++y) {
            move(y);
        }
    }
    _moveX += dx;
    _moveY += dy;
    const int top = dy > 0 ? dy : 0;
    const int bottom = dy < 0 ? height + dy : height;
    WorkOut(0, 0, width, top);
    WorkOut(0, bottom, width, height);
    WorkOut(0, top, dx > 0 ? dx : 0, bottom);
    WorkOut(dx < 0 ? width + dx : width, top, width, bottom);
}

// Makes the kept pixels those of this view; false when the view shows no picture.
bool BackgroundLayer::Prepare(const Affine2& pictureToPixel, int width, int height,
                              uint32_t background) {
    Affine2 pixelToPicture;
    if (!pictureToPixel.Invert(pixelToPicture)) {
        return false;
    }
    Key key{pictureToPixel.a,
            pictureToPixel.b,
            pictureToPixel.c,
            pictureToPixel.d,
            Fraction(pictureToPixel.e),
            Fraction(pictureToPixel.f),
            _placement,
            background,
            width,
            height,
            _pictureGeneration};
    const double moveX = std::round(pictureToPixel.e);
    const double moveY = std::round(pictureToPixel.f);
    if (key == _key) {
        const double shiftX = moveX - _moveX;
        const double shiftY = moveY - _moveY;
        if (std::fabs(shiftX) < width && std::fabs(shiftY) < height) {
            Shift(static_cast<int>(shiftX), static_cast<int>(shiftY));
            return true;
        }
    }
    _key = key;
    _moveX = moveX;
    _moveY = moveY;
    // Worked out for the move at the time of building: the pixels are found by taking it off.
    _pixelToPicture = pixelToPicture * Affine2{1, 0, 0, 1, moveX, moveY};
    _level = LevelFor(pixelToPicture);
    _kept.Pixels().Resize(width, height);
    ++_fullBuilds;
    WorkOut(0, 0, width, height);
    return true;
}

void BackgroundLayer::DrawUnder(KCanvasPane& canvas) {
    Draw(canvas, ModelToPixel(canvas));
}

void BackgroundLayer::Draw(KCanvasPane& canvas, const Affine2& modelToPixel) {
    vDC* context = canvas.CanvasDC();
    if (_hidden || !HasPicture() || context == nullptr || !_placement.Valid()) {
        return;
    }
    const int width = context->SurfaceWidth();
    const int height = context->SurfaceHeight();
    // Halvings made while working out the pixels may move the picture: its size is kept here.
    const int across = _levels.front().Width();
    const int down = _levels.front().Height();
    const Affine2 pictureToPixel = modelToPixel * _placement.PictureToModel(across, down);
    const vColor& paper = context->Background();
    if (width <= 0 || height <= 0 ||
        !Prepare(pictureToPixel, width, height,
                 PixelSurface::FromRgb(paper.Red(), paper.Green(), paper.Blue()))) {
        return;
    }
    // Only the picture's footprint differs from the erased canvas.
    double left = width, top = height, right = 0, bottom = 0;
    for (const Point2 corner : {Point2{0, 0}, Point2{double(across), 0}, Point2{0, double(down)},
                                Point2{double(across), double(down)}}) {
        const Point2 at = pictureToPixel.Apply(corner);
        left = std::min(left, at.x);
        right = std::max(right, at.x);
        top = std::min(top, at.y);
        bottom = std::max(bottom, at.y);
    }
    const int x0 = static_cast<int>(std::clamp(std::floor(left), 0.0, double(width)));
    const int y0 = static_cast<int>(std::clamp(std::floor(top), 0.0, double(height)));
    const int x1 = static_cast<int>(std::clamp(std::ceil(right), 0.0, double(width)));
    const int y1 = static_cast<int>(std::clamp(std::ceil(bottom), 0.0, double(height)));
    if (x1 > x0 && y1 > y0) {
        canvas.BlitFrom(&_kept, x0, y0, x0, y0, x1 - x0, y1 - y0);
    }
}
