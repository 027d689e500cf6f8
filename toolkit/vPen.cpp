#include "toolkit/vPen.h"

vPen::vPen(unsigned int red, unsigned int green, unsigned int blue, int width, int style)
    : _color(red, green, blue), _width(width), _style(style) {}

void vPen::SetColor(const vColor& color) {
    if (color != _color) {
        _color = color;
        _cacheValid = false;
    }
}

void vPen::SetWidth(int width) {
    _width = width;
    _cacheValid = false;
}

void vPen::SetStyle(int style) {
    _style = style;
    _cacheValid = false;
}

int vPen::EffectiveWidth() const {
    if (_style == StyleDash || _style == StyleDot || _style == StyleDashDot) {
        return 1;
    }
    return _width < 1 ? 1 : _width;
}
