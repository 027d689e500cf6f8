#pragma once

#include <cstdint>

// An RGB colour that keeps the packed form (red | green << 8 | blue << 16) in step with its parts.
class vColor {
public:
    vColor() = default;
    vColor(unsigned int red, unsigned int green, unsigned int blue) { Set(red, green, blue); }

    void Set(unsigned int red, unsigned int green, unsigned int blue);
    void SetRed(unsigned int red) { Set(red, _green, _blue); }
    void SetGreen(unsigned int green) { Set(_red, green, _blue); }
    void SetBlue(unsigned int blue) { Set(_red, _green, blue); }

    unsigned int Red() const { return _red; }
    unsigned int Green() const { return _green; }
    unsigned int Blue() const { return _blue; }
    uint32_t Packed() const { return _packed; }

    bool operator==(const vColor& other) const {
        return _red == other._red && _green == other._green && _blue == other._blue;
    }
    bool operator!=(const vColor& other) const { return !(*this == other); }

private:
    unsigned char _red = 0;
    unsigned char _green = 0;
    unsigned char _blue = 0;
    uint32_t _packed = 0;
};
