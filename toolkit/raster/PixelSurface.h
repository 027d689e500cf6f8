#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// A block of 32-bit pixels, 0xffRRGGBB, rows top to bottom: what a canvas draws into and what
// the platform shows on screen or saves as an image.
class PixelSurface {
public:
    PixelSurface() = default;
    PixelSurface(int width, int height, uint32_t fill = 0xffffffffu) {
        Resize(width, height, fill);
    }

    void Resize(int width, int height, uint32_t fill = 0xffffffffu) {
        _width = width > 0 ? width : 0;
        _height = height > 0 ? height : 0;
        _pixels.assign(static_cast<size_t>(_width) * _height, fill);
    }

    int Width() const { return _width; }
    int Height() const { return _height; }
    bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < _width && y < _height; }
    uint32_t* Data() { return _pixels.data(); }
    const uint32_t* Data() const { return _pixels.data(); }
    uint32_t Pixel(int x, int y) const { return _pixels[static_cast<size_t>(y) * _width + x]; }
    uint32_t& At(int x, int y) { return _pixels[static_cast<size_t>(y) * _width + x]; }

    static uint32_t FromRgb(unsigned int red, unsigned int green, unsigned int blue) {
        return 0xff000000u | (red & 0xff) << 16 | (green & 0xff) << 8 | (blue & 0xff);
    }

private:
    int _width = 0;
    int _height = 0;
    std::vector<uint32_t> _pixels;
};
