#pragma once

// The values a picture is traced with, and their ranges. Plain C++ over a header, so that the
// dialog that sets them may use it.
struct TraceValues {
    static constexpr int LargestThreshold = 256;
    static constexpr int LargestDespeckle = 1000000;
    static constexpr double LargestSmooth = 1.334;

    // A pixel darker than this (0-255, by its luminance) is ink; transparent pixels never are.
    int threshold = 128;
    // Ink specks of at most this many pixels are left out.
    int despeckle = 2;
    // How round corners become: 0 keeps every corner, 1.334 none.
    double smooth = 1.0;
    // Light pixels are ink instead: a light shape on a dark ground.
    bool invert = false;

    bool operator==(const TraceValues& other) const {
        return threshold == other.threshold && despeckle == other.despeckle &&
               smooth == other.smooth && invert == other.invert;
    }
    bool operator!=(const TraceValues& other) const { return !(*this == other); }
};
