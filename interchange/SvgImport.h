#pragma once

#include <string>

#include "interchange/ImportReport.h"
#include "interchange/Outline.h"

// Reads the outlines of an SVG document: path, polygon, polyline, rect, circle and ellipse
// elements, with the transforms of the elements and of the groups around them. Every subpath
// becomes a closed set in model units, which are SVG user units (75 to a file unit, y down).
// The outline is a linear one, or a bezier one when any segment is curved. False, with the
// reason in the report, when the text is no SVG document.
bool ImportSvg(const std::string& text, Outline& outline, ImportReport& report);
