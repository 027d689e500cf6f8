#pragma once

#include <string>
#include <vector>

#include "model/Point2.h"

// The shape POV-Ray makes of a drawing file: the closed outlines its prism or polygon draws, as
// straight pieces in file units (x, and file y as POV-Ray's z), split into sub-outlines and
// curved by the spline as POV-Ray reads the point list, and the heights between which a prism
// stands. A sub-outline POV-Ray would refuse is left out.
struct PovrayOutline {
    std::vector<std::vector<Point2>> rings;
    bool prism = false;
    double low = 0;
    double high = 0;
    bool conic = false;
    bool open = false;

    // Reads the text the scene writer makes; curves are split into pieces per segment.
    static PovrayOutline Of(const std::string& sceneText, int piecesPerCurve);
    // How much a conic prism's outline is scaled at height y; 1 for any other.
    double ScaleAt(double y) const { return conic ? y : 1; }
};
