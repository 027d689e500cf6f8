#include "scenefile/SceneLineReader.h"

#include "io/BoundedFile.h"

// The whole file is read at once, within the limit of a drawing's file: the reading after it
// looks at every line, those after the declaration's end included.
SceneLineReader::SceneLineReader(const char* fileName) {
    if (BoundedFile::Read(fileName, BoundedFile::DocumentLimit, _owned, _refusal)) {
        _bytes = _owned.data();
        _size = _owned.size();
    }
}

SceneLineReader::SceneLineReader(const char* bytes, size_t size)
    : _bytes(bytes != nullptr ? bytes : ""), _size(bytes != nullptr ? size : 0) {}

int SceneLineReader::Peek() {
    if (_peeked != NoChar) {
        return _peeked;
    }
    _peeked = _offset < _size ? static_cast<unsigned char>(_bytes[_offset++]) : EOF;
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
