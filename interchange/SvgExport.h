#pragma once

#include <string>

#include "model/KCanvasPane.h"

// The canvas's drawing as an SVG document for a browser. The finished sets are the closed
// subpaths of one filled path (even-odd, as a prism fills), each segment drawn as the canvas
// previews draw the spline: straight lines, or the quadratic, cubic or bezier curves of the
// spline preview. An unfinished set is drawn as a line of its own. User units are model units
// (75 to a file unit, y down), so importing the document gives back the finished sets where
// they were, as bezier curves or straight lines; the prism values are not in the document,
// and the import closes the unfinished set, or leaves it out when it is too short.
// With `exact`, every finished set of a quadratic, cubic or bezier prism is the curve POV-Ray
// renders from the values the writer writes, each of its segments one cubic bezier (a set of
// which POV-Ray builds nothing is drawn as the previews draw it). A lathe or a surface of
// revolution is always drawn as the profiles POV-Ray turns, each an open line of its curve (not
// a drawing import gives back).
// "" when a number of the document would not be finite: the curves or the frame of a drawing
// near the largest numbers overflow.
std::string SvgDocumentText(const Drawing& drawing, bool exact = false);
// The same for the canvas's drawing, in the program-wide kind it is shown in.
std::string SvgDocumentText(const KCanvasPane& canvas, bool exact = false);
