#pragma once

#include <string>

// True when the program can be run by its bare name: an executable file of that name in one of
// the folders of the search path (PATH, or the system's default when PATH is not set).
bool ProgramOnPath(const std::string& program);
