#pragma once

#include <string>

// Appends the whole file at path to bytes. False when it cannot be opened or a read fails (a
// folder, for one); bytes then holds what was read before the failure.
bool ReadFileContents(const char* path, std::string& bytes);
