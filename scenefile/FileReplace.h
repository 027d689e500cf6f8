#pragma once

#include <string>

// Puts text into the file at path so that the file either keeps its old content or holds the
// whole new text: the text goes to a temporary file in the same folder, which is renamed over
// the target only after every write, the flush to disk and the close have succeeded. An existing
// file keeps its permissions; a symbolic link keeps pointing at the file it names. Returns false,
// leaving no temporary file behind, when any step fails.
bool ReplaceFileContents(const char* path, const std::string& text);
