#include "scenefile/SceneLineReader.h"

#include <sys/stat.h>

SceneLineReader::SceneLineReader(const char* fileName) : _file(std::fopen(fileName, "rb")) {
    // A folder opens like a file here but holds no lines.
    struct stat info;
    if (_file != nullptr && (fstat(fileno(_file), &info) != 0 || S_ISDIR(info.st_mode))) {
        std::fclose(_file);
        _file = nullptr;
    }
}

SceneLineReader::~SceneLineReader() {
    if (_file != nullptr) {
        std::fclose(_file);
    }
}

int SceneLineReader::Peek() {
    if (_peeked == NoChar) {
        _peeked = std::getc(_file);
    }
    return _peeked;
}

const char* SceneLineReader::Next() {
    _line[0] = '\0';
    if (_failed || _file == nullptr) {
        return _line;
    }
    int length = 0;
    for (;;) {
        int c = Peek();
        if (c == EOF) {
            _atEnd = true;
            _failed = length == 0;
            break;
        }
        Take();
        if (c == '\n') {
            break;
        }
        if (c == '\r' && Peek() == '\n') {
            Take();
            break;
        }
        if (length == LineSize - 1) {
            _failed = true;
            break;
        }
        _line[length++] = static_cast<char>(c);
    }
    _line[length] = '\0';
    return _line;
}
