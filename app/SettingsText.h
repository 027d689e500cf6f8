#pragma once

#include <string>

#include "app/ProgramState.h"

// The settings file's text: the directory last opened from, then "prm" when the file dialogs
// start with the prism filter, then lines that warn people off editing it.
class SettingsText {
public:
    // Only the first two lines are read; a line may end with "\r\n". A directory longer than
    // the buffer is cut to what it holds.
    static void Parse(const std::string& text, char (&directory)[PathBufferSize], int& filter);
    static std::string Compose(const char* directory, int filter);
    // Whether the file can hold the directory so that it reads back the same: one line that
    // does not end with a carriage return.
    static bool Holds(const char* directory);
};
