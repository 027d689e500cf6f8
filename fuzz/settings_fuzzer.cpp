// The settings loader on any bytes: it gives a directory that fits its buffer and a filter the
// file can hold, and writing them gives a file that reads back to the same.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

#include "app/SettingsText.h"
#include "fuzz/FuzzCheck.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    char directory[PathBufferSize];
    std::memset(directory, 'x', sizeof directory);
    int filter = -1;
    SettingsText::Parse(text, directory, filter);
    Require(std::memchr(directory, '\0', sizeof directory) != nullptr, "directory not ended");
    Require(filter == PolygonFilter || filter == PrismFilter, "filter " + std::to_string(filter));
    Require(SettingsText::Holds(directory), "the file cannot hold the directory read");
    char again[PathBufferSize];
    int filterAgain = -1;
    SettingsText::Parse(SettingsText::Compose(directory, filter), again, filterAgain);
    Require(std::strcmp(again, directory) == 0, std::string("directory read back as ") + again);
    Require(filterAgain == filter, "filter read back as " + std::to_string(filterAgain));
    return 0;
}
