#pragma once

#include <string>

// Program-wide values of the file commands and the settings file, shared by every window.
// (The edit mode and the polygon/prism kind live with the drawing model.)

constexpr int PathBufferSize = 256;

// Index into fileFilters: the filter the file dialogs start with and return.
extern int fileFilterIndex;
// The directory remembered between runs, as the working directory was after the last open.
extern char lastDirectory[PathBufferSize];
// Full path of the settings file, rebuilt at start-up.
extern char settingsPath[PathBufferSize];
// The program folder the settings location rule starts from; empty means the running
// executable's. Tests give each run a folder of its own.
extern std::string settingsFolder;

// The file-filter list of every file dialog, null-terminated. Which kind a filter stands for,
// and which filter a kind's files have, is SceneKind's.
enum FileFilter {
    PolygonFilter = 0,
    PrismFilter = 1,
    BothFilter = 2,
    AnyFileFilter = 3,
    LatheFilter = 4,
    SorFilter = 5,
};
extern const char* const fileFilters[];
