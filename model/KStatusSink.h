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
};
