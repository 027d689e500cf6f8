#pragma once

#include <string>

#include "interchange/ImportReport.h"
#include "interchange/Outline.h"
#include "interchange/PovObjectWords.h"

// Reads the first prism, polygon, lathe or sor object of POV-Ray scene text, or the one declared
// (with #declare or #local) as name when name is not null, in the scene language's own syntax:
// comments, any layout, keywords in any order, "open" and "sturm". Values must be number
// literals; anything computed is refused with its line. Sub-outlines become sets in model
// units; the spline's control points become the sets' control point or bezier handles. A lathe
// or a sor is one profile, one set; a lathe's is open unless it ends on its first point.
bool ImportPovScene(const std::string& text, const char* name, Outline& outline,
                    ImportReport& report);
