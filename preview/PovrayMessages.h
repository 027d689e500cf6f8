#pragma once

#include <string>

// POV-Ray's own errors and warnings picked out of everything it prints, one to a line, in plain
// words: "Error in line 7: Too few points in prism." A message about the drawing file names
// the line of the drawing, which is the line the saved file has.
std::string PlainPovrayMessages(const std::string& output, const std::string& drawingFile);

// What the preview says when the program cannot be found: that POV-Ray is missing and which
// package brings it.
std::string MissingPovrayMessage(const std::string& program);

// The first line when POV-Ray made no picture; its own messages follow.
extern const char* const PovrayRefusedMessage;
// Why a drawing the writer would refuse is not rendered either.
extern const char* const NotFiniteMessage;
// The first line before the rules a lathe's or surface of revolution's profiles break.
extern const char* const BrokenRulesMessage;
