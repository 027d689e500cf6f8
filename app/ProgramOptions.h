#pragma once

#include "model/CanvasOptions.h"

// The program's options beside the settings file, shared by every window and kept in
// Vexlin-options.ini in the settings file's folder (the same location rule).
namespace ProgramOptions {

const CanvasOptions& Current();
// Reads the file; a missing or damaged one gives the defaults, and nothing is said.
void Load();
// Takes the options and writes the file through the safe save; false when it could not be
// written (standard error says why).
bool Change(const CanvasOptions& options);

}  // namespace ProgramOptions
