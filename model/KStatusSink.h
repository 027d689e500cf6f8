#pragma once

// The window side of a canvas: where it reports the cursor position (in file units) after
// mouse events, shape generation and file reads, so the window can show it with the counts.
class KStatusSink {
public:
    virtual ~KStatusSink() = default;
    virtual void UpdateStatus(double x, double y) = 0;
    // The rule, in a few words, that the point under the cursor breaks; null when the cursor
    // rests on no such point.
    virtual void ShowRuleBreak(const char* brief) { (void)brief; }
    // The canvas's view changed its zoom (1 is the canvas's own size).
    virtual void ShowZoom(double zoom) { (void)zoom; }
    // While a Select drag moves points: how far and at what angle (degrees anticlockwise from
    // the x axis) from the press, in file units.
    virtual void ShowDragMeasure(double distance, double degrees) { (void)distance, (void)degrees; }
    // A guide was dragged to another place, or off the canvas.
    virtual void GuidesMoved() {}
};
