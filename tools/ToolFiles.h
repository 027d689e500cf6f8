#pragma once

#include <string>
#include <vector>

#include "model/KCanvasPane.h"
#include "tools/ToolArguments.h"

// Reads a drawing as the editor's Open does. On failure prints the editor's notice for the
// result to stderr, and "FILE: HINT" where the reader has a hint; returns the read result,
// which is the tool's exit code.
int ReadDrawing(KCanvasPane& canvas, const char* path);

// Writes the drawing with the editor's writer and prints the name written; on failure prints
// "FILE: Unable to save file: REASON" to stderr. A drawing written as another kind than its own
// that loses values on the way gets a note. Returns the exit code.
int WriteDrawing(KCanvasPane& canvas, const char* path, int kindChoice);

// Prints "FILE: Unable to save file: REASON" (without the reason when there is none) to stderr
// and returns the exit code for it.
int SaveFailed(const char* path, const std::string& reason);

// True, after saying so on stderr, when the output names the input file itself: writing it
// would destroy what is read.
bool WouldReplaceInput(const char* input, const char* output, const char* message);

// Parses the arguments, then reads the drawing named by the first positional one. Returns the
// exit code of the first failure (bad arguments or an unreadable file), or ExitOk.
int ParseAndReadDrawing(int argc, char** argv, int minPositional, int maxPositional,
                        std::vector<const char*>& positional, const OptionHandler& option,
                        KCanvasPane& canvas);
