#pragma once

// The program's options beyond the settings file, the same for every canvas: snapping to the
// grid, the grid's spacing, drawing POV-Ray's own curves, and one scale for both axes.
struct CanvasOptions {
    static constexpr double MinSpacing = 0.001;
    static constexpr double MaxSpacing = 10;
    static constexpr double DefaultSpacing = 0.25;

    bool snapToGrid = false;
    double gridSpacing = DefaultSpacing;  // file units
    bool exactCurves = false;
    // The canvas's own mapping stretches the drawing to the window on each axis; this keeps
    // circles round by using the smaller scale on both.
    bool keepProportions = false;

    bool operator==(const CanvasOptions& other) const {
        return snapToGrid == other.snapToGrid && gridSpacing == other.gridSpacing &&
               exactCurves == other.exactCurves && keepProportions == other.keepProportions;
    }
    bool operator!=(const CanvasOptions& other) const { return !(*this == other); }
    static bool ValidSpacing(double spacing) {
        return spacing >= MinSpacing && spacing <= MaxSpacing;
    }
};
