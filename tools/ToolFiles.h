#pragma once

#include <string>
#include <vector>

#include "model/Drawing.h"
#include "tools/ToolArguments.h"

// Reads a drawing as the editor's Open does into a new window's drawing, which it replaces. On
// failure says on stderr which file, where and why (ReportReadFailure); returns the read
// result, which is the tool's exit code.
int ReadDrawing(Drawing& drawing, const char* path);

// Writes the drawing, of its own kind unless the name or the choice decides otherwise, with the
// editor's writer and prints the name written; on failure says which file and why on stderr.
// A drawing written as another kind than its own that loses values on the way gets a note.
// Returns the exit code.
int WriteDrawing(const Drawing& drawing, const char* path, int kindChoice);

// True, after refusing the output on stderr with the reason, when it names the input file
// itself: writing it would destroy what is read.
bool WouldReplaceInput(const char* command, const char* input, const char* output,
                       const char* reason);

// Parses the command's arguments, then reads the drawing named by the first positional one.
// Returns ToolContinue, or the exit code when the command is done (its help printed, bad
// arguments, an unreadable file).
int ParseAndReadDrawing(const char* command, int argc, char** argv,
                        std::vector<const char*>& positional, const OptionHandler& option,
                        Drawing& drawing);
