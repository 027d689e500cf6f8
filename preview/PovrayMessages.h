#pragma once

#include <string>

// POV-Ray's own errors and warnings picked out of everything it prints, one to a line, in plain
// words: "Error in line 7: Too few points in prism." A message about the drawing file names
// the line of the drawing, which is the line the saved file has.
std::string PlainPovrayMessages(const std::string& output, const std::string& drawingFile);
