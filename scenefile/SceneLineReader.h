#pragma once

#include <cstddef>
#include <cstdio>

// Reads a scene file line by line into a 100-character buffer the way the reader has always
// seen its input: a line ends at a line feed, a carriage return just before it is dropped, and
// a line of more than 99 characters yields its first 99 and puts the source into a failed state
// in which every later line is empty. The end is reported only after a read has met it, so a
// file that ends with a line break yields one more, empty, line.
class SceneLineReader {
public:
    static constexpr int LineSize = 100;

    explicit SceneLineReader(const char* fileName);
    // Reads the bytes as a file holding them would read; they must outlive the reader.
    SceneLineReader(const char* bytes, size_t size);
    SceneLineReader(const SceneLineReader&) = delete;
    SceneLineReader& operator=(const SceneLineReader&) = delete;
    ~SceneLineReader();

    bool IsOpen() const { return _file != nullptr || _bytes != nullptr; }
    // True once a read has reached the end of the file.
    bool AtEnd() const { return _atEnd; }
    // Reads the next line; the text stays valid until the next call.
    const char* Next();
    // How many lines of the source the reads have met: the number of the last one read.
    int LinesRead() const { return _linesRead; }

private:
    int Peek();
    void Take() { _peeked = NoChar; }

    static constexpr int NoChar = -2;

    FILE* _file = nullptr;
    const char* _bytes = nullptr;
    size_t _size = 0;
    size_t _offset = 0;
    int _peeked = NoChar;
    bool _atEnd = false;
    bool _failed = false;
    int _linesRead = 0;
    char _line[LineSize] = {};
};
