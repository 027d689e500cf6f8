#pragma once

#include <string>

struct Drawing;

// The values beyond the points that a file of each kind keeps. Writing a drawing as another
// kind than its own (a name ending in ".pol" decides, whatever the drawing is) drops the
// values that its own kind keeps and the written kind does not; a value still at what a
// drawing of the written kind reads back with loses nothing. A lathe or a surface of revolution
// written as a polygon or a prism loses its turning: its profiles become outlines.

// True when writing the drawing, of kind `from`, as kind `to` drops a value that is
// not at what the written kind reads back with.
bool WritingLosesValues(const Drawing& drawing, int from, int to);

// "NAME will be saved as a polygon: its prism values are lost. Save?"
std::string LostValuesQuestion(const std::string& name, int from, int to);

// "saved as a polygon: its prism values are lost", for the batch tool's note; "saved as a
// prism: its profiles are no longer turned about the axis" for a lathe or a surface of
// revolution.
std::string LostValuesNote(int from, int to);
