#pragma once

#include <signal.h>
#include <stdlib.h>
#include <sys/resource.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <iterator>
#include <string>

#include "model/KCanvasPane.h"

// A folder of its own for each test, removed with everything in it afterwards.
class TempDir {
public:
    TempDir() {
        std::string pattern = (std::filesystem::temp_directory_path() / "vexlin-XXXXXX").string();
        _path = mkdtemp(pattern.data()) != nullptr ? pattern : std::string();
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    ~TempDir() {
        std::error_code ignored;
        std::filesystem::remove_all(_path, ignored);
    }
    std::string File(const std::string& name) const { return _path + "/" + name; }
    const std::string& Path() const { return _path; }

private:
    std::string _path;
};

// A file-size limit makes the writes fail part way, as a full disk would.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        _oldHandler = signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &_old);
        rlimit limit = _old;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &_old);
        signal(SIGXFSZ, _oldHandler);
    }

private:
    rlimit _old;
    sighandler_t _oldHandler;
};

// The entries of a folder: a failed save must leave no file of its own behind.
inline int FilesIn(const std::string& folder) {
    int files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        (void)entry;
        ++files;
    }
    return files;
}

inline std::string FileText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline void PutFile(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

// The lines joined as the writer ends them, with CR LF.
inline std::string CrLf(std::initializer_list<const char*> lines) {
    std::string text;
    for (const char* line : lines) {
        text += line;
        text += "\r\n";
    }
    return text;
}

// The same lines ended with LF alone.
inline std::string Lf(std::initializer_list<const char*> lines) {
    std::string text;
    for (const char* line : lines) {
        text += line;
        text += "\n";
    }
    return text;
}

// Two finished triangles: file points 1,1 2,1 1,2 and -1,-1 -2,-1 -1,-2, each set's control
// point a quarter of the way along its first side but for set 1's (1.5,0.5).
inline void FillTwoTriangles(KCanvasPane& canvas) {
    const Point2 points[] = {{75, -75}, {150, -75}, {75, -150}, {75, -75},
                             {-75, 75}, {-150, 75}, {-75, 150}, {-75, 75}};
    for (int i = 0; i < 8; ++i) {
        canvas.points[i] = points[i];
    }
    canvas.pointCount = 8;
    canvas.setCount = 2;
    canvas.setEnds[0] = 0;
    canvas.setEnds[1] = 4;
    canvas.setEnds[2] = 8;
    canvas.control1[0] = {112.5, -37.5};
    canvas.control1[4] = {-112.5, 37.5};
}

// Appends a finished set made of the given file-unit vertices, closed; past the 99th it joins
// set 99, as the editor merges it.
inline void AddSet(KCanvasPane& canvas, std::initializer_list<Point2> fileVertices) {
    int first = canvas.pointCount;
    for (const Point2& v : fileVertices) {
        canvas.points[canvas.pointCount++] = {v.x * 75, v.y * -75};
    }
    canvas.points[canvas.pointCount] = canvas.points[first];
    canvas.InitBezierHandles();
    ++canvas.pointCount;
    canvas.setCount = std::min(canvas.setCount + 1, MaxSets);
    canvas.setEnds[canvas.setCount] = canvas.pointCount;
}
