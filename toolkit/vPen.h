#pragma once

#include "toolkit/DrawingStyles.h"
#include "toolkit/vColor.h"

// A pen value. The drawing context caches what it derives from a pen (its platform form) in the
// pen itself; any change that affects the drawing drops that cache.
class vPen {
public:
    vPen(unsigned int red = 0, unsigned int green = 0, unsigned int blue = 0, int width = 1,
         int style = StyleSolid);

    const vColor& Color() const { return _color; }
    int Width() const { return _width; }
    int Style() const { return _style; }

    void SetColor(const vColor& color);
    void SetColor(unsigned int red, unsigned int green, unsigned int blue) {
        SetColor(vColor(red, green, blue));
    }
    void SetWidth(int width);
    void SetStyle(int style);

    // Dashed and dotted pens always draw one pixel wide; a transparent pen draws nothing.
    int EffectiveWidth() const;
    bool DrawsNothing() const { return _style == StyleTransparent; }

    bool CacheValid() const { return _cacheValid; }
    void MarkCached() const { _cacheValid = true; }

private:
    vColor _color;
    int _width;
    int _style;
    mutable bool _cacheValid = false;
};
