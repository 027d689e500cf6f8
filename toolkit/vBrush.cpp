#include "toolkit/vBrush.h"

vBrush::vBrush(unsigned int red, unsigned int green, unsigned int blue, int style, int fillRule)
    : _fillRule(fillRule), _style(style), _color(red, green, blue) {}

void vBrush::SetColor(const vColor& color) {
    if (color != _color) {
        _color = color;
        _cacheValid = false;
    }
}

void vBrush::SetStyle(int style) {
    _style = style;
    _cacheValid = false;
}
