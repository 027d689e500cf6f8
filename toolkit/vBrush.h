#pragma once

#include "toolkit/DrawingStyles.h"
#include "toolkit/vColor.h"

// A brush value: colour, style (solid, hollow or one of six hatchings) and polygon fill rule.
class vBrush {
public:
    vBrush(unsigned int red = 0, unsigned int green = 0, unsigned int blue = 0,
           int style = StyleSolid, int fillRule = FillAlternate);

    const vColor& Color() const { return _color; }
    int Style() const { return _style; }
    int FillRule() const { return _fillRule; }

    void SetColor(const vColor& color);
    void SetColor(unsigned int red, unsigned int green, unsigned int blue) {
        SetColor(vColor(red, green, blue));
    }
    void SetStyle(int style);
    void SetFillRule(int fillRule) { _fillRule = fillRule; }

    bool IsHollow() const { return _style == StyleTransparent; }
    bool IsHatched() const {
        return _style >= StyleHorizontalHatch && _style <= StyleDiagonalCross;
    }

    bool CacheValid() const { return _cacheValid; }
    void MarkCached() const { _cacheValid = true; }

private:
    int _fillRule;
    int _style;
    mutable bool _cacheValid = false;
    vColor _color;
};
