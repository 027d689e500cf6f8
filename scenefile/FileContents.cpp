#include "scenefile/FileContents.h"

#include <cstdio>

bool ReadFileContents(const char* path, std::string& bytes) {
    FILE* file = std::fopen(path, "rb");
    if (file == nullptr) {
        return false;
    }
    char buffer[65536];
    size_t count = 0;
    while ((count = std::fread(buffer, 1, sizeof buffer, file)) > 0) {
        bytes.append(buffer, count);
    }
    bool failed = std::ferror(file) != 0;
    std::fclose(file);
    return !failed;
}
