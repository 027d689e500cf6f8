#pragma once

#include <string>

#include "model/CurveFlattening.h"

// The shape POV-Ray makes of a drawing file, for the editor's quick sketches of it: the object's
// kind, its curves as the model builds them from the file's point list, flattened into polylines
// in file units, and how it stands. Another kind of object needs only its curve from the model
// and its own way of being sketched.
struct PovrayShape {
    enum class Kind { Polygon, Prism, Lathe, Sor };

    Kind kind = Kind::Polygon;
    // The outlines POV-Ray closes, a polygon's or a prism's sub-prisms (x, and file y as POV-Ray's
    // z), each line ending on its first point; none when POV-Ray would refuse the declaration.
    Polylines outlines;
    // What a lathe or a surface of revolution turns about the y axis, x the radius and y the
    // height: each line one smooth piece of a profile, open, or a cap as the line from the axis
    // out to its rim. None when POV-Ray would refuse any of the declarations.
    Polylines profiles;
    // A prism's heights; for a turned kind the lowest and highest of the box POV-Ray bounds it
    // by, whose sides stand `radius` from the axis.
    double low = 0;
    double high = 0;
    double radius = 0;
    bool conic = false;
    bool open = false;

    // Reads the text the scene writer makes, for sketches `size` pixels across that show the
    // whole shape: curves are flattened to within a quarter of such a pixel.
    static PovrayShape Of(const std::string& sceneText, int size);
    bool Turned() const { return kind == Kind::Lathe || kind == Kind::Sor; }
    // How much a conic prism's outline is scaled at height y; 1 for any other.
    double ScaleAt(double y) const { return conic ? y : 1; }
};
