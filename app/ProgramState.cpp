#include "app/ProgramState.h"

int fileFilterIndex = PolygonFilter;
char lastDirectory[PathBufferSize] = "G:\\";
char settingsPath[PathBufferSize] = "Vexlin.ini";
std::string settingsFolder;

const char* const fileFilters[] = {"*.pol", "*.prm", "*.pol;*.prm", "*", nullptr};
