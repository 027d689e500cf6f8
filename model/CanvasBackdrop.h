#pragma once

class KCanvasPane;

// What a canvas shows under its grid and its drawing, such as a picture to trace: drawn each
// time the canvas is erased, before anything else. It never belongs to the drawing.
class CanvasBackdrop {
public:
    virtual ~CanvasBackdrop() = default;

    virtual void DrawUnder(KCanvasPane& canvas) = 0;
};
