#pragma once

#include <cstddef>
#include <cstdio>
#include <string>
#include <string_view>

// Reads a scene file line by line into a 100-character buffer the way the reader has always
// seen its input: a line ends at a line feed, a carriage return just before it is dropped, and
// a line of more than 99 characters yields its first 99 and puts the source into a failed state
// in which every later line is empty. The end is reported only after a read has met it, so a
// file that ends with a line break yields one more, empty, line.
class SceneLineReader {
public:
    static constexpr int LineSize = 100;

    // Reads the file whole, as BoundedFile reads a drawing's file.
    explicit SceneLineReader(const char* fileName);
    // Reads the bytes as a file holding them would read; they must outlive the reader.
    SceneLineReader(const char* bytes, size_t size);
    SceneLineReader(const SceneLineReader&) = delete;
    SceneLineReader& operator=(const SceneLineReader&) = delete;

    bool IsOpen() const { return _bytes != nullptr; }
    // Why the file could not be read; "" once it was.
    const std::string& Refusal() const { return _refusal; }
    // Everything the source holds.
    std::string_view Bytes() const { return {_bytes != nullptr ? _bytes : "", _size}; }
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

    std::string _owned;
    std::string _refusal;
    const char* _bytes = nullptr;
    size_t _size = 0;
    size_t _offset = 0;
    int _peeked = NoChar;
    bool _atEnd = false;
    bool _failed = false;
    int _linesRead = 0;
    char _line[LineSize] = {};
};
