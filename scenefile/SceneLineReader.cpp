#include "scenefile/SceneLineReader.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Only a regular file holds a drawing: a folder holds no lines, a device may never end, and
// opening a named pipe would wait for a writer, so those are not opened for reading at all.
FILE* OpenRegularFile(const char* fileName) {
    int fd = open(fileName, O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        return nullptr;
    }
    struct stat info;
    FILE* file = nullptr;
    if (fstat(fd, &info) == 0 && S_ISREG(info.st_mode)) {
        file = fdopen(fd, "rb");
    }
    if (file == nullptr) {
        close(fd);
    }
    return file;
}

}  // namespace

SceneLineReader::SceneLineReader(const char* fileName) : _file(OpenRegularFile(fileName)) {}

SceneLineReader::SceneLineReader(const char* bytes, size_t size)
    : _bytes(bytes != nullptr ? bytes : ""), _size(bytes != nullptr ? size : 0) {}

SceneLineReader::~SceneLineReader() {
    if (_file != nullptr) {
        std::fclose(_file);
    }
}

int SceneLineReader::Peek() {
    if (_peeked != NoChar) {
        return _peeked;
    }
    if (_bytes == nullptr) {
        _peeked = std::getc(_file);
    } else {
        _peeked = _offset < _size ? static_cast<unsigned char>(_bytes[_offset++]) : EOF;
    }
    return _peeked;
}

const char* SceneLineReader::Next() {
    _line[0] = '\0';
    if (_failed || !IsOpen()) {
        return _line;
    }
    if (Peek() != EOF) {
        ++_linesRead;
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
