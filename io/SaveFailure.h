#pragma once

#include <string>

// Why a file could not be saved, in the system's words ("Permission denied", "No such file or
// directory", "No space left on device"), told by looking at the file and its folder after the
// failure. errorAfter, errno as the failed save left it, says it when they do not.
std::string SaveFailureReason(const std::string& path, int errorAfter);
