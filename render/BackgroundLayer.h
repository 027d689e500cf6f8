#pragma once

#include <cstdint>
#include <vector>

#include "model/Affine2.h"
#include "model/BackgroundPlacement.h"
#include "model/CanvasBackdrop.h"
#include "toolkit/raster/PixelSurface.h"
#include "toolkit/vMemoryDC.h"

// A picture to trace, drawn under a canvas's grid at its placement, blended over the canvas's
// background by its opacity. What the canvas shows of it is kept, ready to copy, for as long as
// the view's scale stays: a repaint copies it, a pan by whole pixels moves it and works out only
// the strip that came into view, and only a new zoom, placement, picture or canvas size works it
// out whole. A picture much larger than it shows is sampled from halved copies of itself, so
// that it does not shimmer.
class BackgroundLayer : public CanvasBackdrop {
public:
    BackgroundLayer();

    // Takes the picture, each pixel 0xAARRGGBB; an empty one leaves no picture.
    void SetPicture(PixelSurface picture);
    bool HasPicture() const { return !_levels.empty(); }
    const PixelSurface& Picture() const;
    void SetPlacement(const BackgroundPlacement& placement);
    const BackgroundPlacement& Placement() const { return _placement; }
    // A hidden picture is kept but not drawn.
    void SetHidden(bool hidden) { _hidden = hidden; }
    bool Hidden() const { return _hidden; }

    // Through the canvas's view, zoom and pan included.
    void DrawUnder(KCanvasPane& canvas) override;
    // The same through any mapping of model units to pixel edges.
    void Draw(KCanvasPane& canvas, const Affine2& modelToPixel);

    // How often what the canvas shows was worked out whole, and how many pixels were worked
    // out in all: a pan must add few of them.
    int FullBuilds() const { return _fullBuilds; }
    long long PixelsWorkedOut() const { return _pixelsWorkedOut; }

private:
    // What the kept pixels were worked out for, but for the view's move.
    struct Key {
        double a = 0, b = 0, c = 0, d = 0;
        double fractionX = 0, fractionY = 0;
        BackgroundPlacement placement;
        uint32_t background = 0;
        int width = 0, height = 0;
        long long picture = -1;

        bool operator==(const Key& other) const;
    };

    const PixelSurface& Level(int level);
    int LevelFor(const Affine2& pixelToPicture) const;
    // Works out the kept pixels of the rectangle [x0, x1) x [y0, y1).
    void WorkOut(int x0, int y0, int x1, int y1);
    // Moves the kept pixels by whole pixels; what comes into view is worked out.
    void Shift(int dx, int dy);
    bool Prepare(const Affine2& pictureToPixel, int width, int height, uint32_t background);

    std::vector<PixelSurface> _levels;  // the picture, then its halvings
    BackgroundPlacement _placement;
    bool _hidden = false;
    long long _pictureGeneration = 0;

    vMemoryDC _kept{0, 0};
    Key _key;
    double _moveX = 0;  // the view's move the kept pixels were worked out for
    double _moveY = 0;
    Affine2 _pixelToPicture;
    int _level = 0;
    int _fullBuilds = 0;
    long long _pixelsWorkedOut = 0;
};
