#pragma once

// A small bitmap icon: 1-bit (drawn in the brush colour), 8-bit (through a palette of packed
// colours) or 24-bit pixels, rows top to bottom. With the transparency flag set, pixels of the
// bottom-left pixel's colour are not drawn.
class vIcon {
public:
    vIcon() = default;
    vIcon(const unsigned char* pixels, int height, int width, int depth = 1, int transparent = 0,
          const unsigned int* palette = nullptr)
        : height(height),
          width(width),
          depth(depth),
          transparent(transparent),
          pixels(pixels),
          palette(palette) {}

    int height = 0;
    int width = 0;
    int depth = 1;
    int transparent = 0;
    const unsigned char* pixels = nullptr;
    const unsigned int* palette = nullptr;
};
