#include "toolkit/vColor.h"

void vColor::Set(unsigned int red, unsigned int green, unsigned int blue) {
    _red = static_cast<unsigned char>(red);
    _green = static_cast<unsigned char>(green);
    _blue = static_cast<unsigned char>(blue);
    _packed = uint32_t(_red) | uint32_t(_green) << 8 | uint32_t(_blue) << 16;
}
