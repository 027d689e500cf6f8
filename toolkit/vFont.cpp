#include "toolkit/vFont.h"

#include <cstring>

vFont::vFont(int family, int size, int style, int weight, int underline, int angle)
    : _family(family),
      _style(style),
      _weight(weight),
      _size(size),
      _underline(underline),
      _angle(angle) {}

vFont::vFont(const vFont& other) {
    *this = other;
}

vFont& vFont::operator=(const vFont& other) {
    if (this != &other) {
        _family = other._family;
        _style = other._style;
        _weight = other._weight;
        _size = other._size;
        _underline = other._underline;
        _angle = other._angle;
        _isStock = other._isStock;
        _color = other._color;
        std::memcpy(_logicalRecord, other._logicalRecord, LogicalRecordSize);
        DropHandle();
    }
    return *this;
}

void vFont::SetFont(int family, int size, int style, int weight, int underline, int angle) {
    _family = family;
    _size = size;
    _style = style;
    _weight = weight;
    _underline = underline;
    _angle = angle;
    DropHandle();
}

void vFont::SetColor(uint32_t packedColor) {
    _color = packedColor;
    DropHandle();
}

void vFont::SetLogicalRecord(const unsigned char* record) {
    std::memcpy(_logicalRecord, record, LogicalRecordSize);
    DropHandle();
}

int vFont::PlatformWeight() const {
    if (_weight == FontWeightNormal) {
        return 400;
    }
    if (_weight == FontWeightBold) {
        return 700;
    }
    return 0;
}
