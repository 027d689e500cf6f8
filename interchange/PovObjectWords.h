#pragma once

#include <string>

#include "interchange/PovToken.h"
#include "model/Point2.h"

// The words and messages of the objects the importer reads, shared by the reader of literal
// values and the scene evaluator.
bool IsObjectKeyword(const PovToken& token);
// Whether the text holds a prism, polygon, lathe or sor object at all, outside comments and
// strings, though it may not import.
bool HoldsSceneObject(const std::string& text);
// The ShapeKind of an object keyword.
int KindOfWord(const PovToken& token);
// The SplineType a word names, or -1.
int SplineWord(const PovToken& token);
inline bool Same(const Point2& a, const Point2& b) {
    return a.x == b.x && a.y == b.y;
}

// The largest point count taken from a file; far beyond what any drawing can hold, it only
// keeps a wrong count from asking for absurd amounts of memory.
constexpr double MaxListedPoints = 1e6;

std::string CountNotWholeMessage(int line, double count);
std::string CountShortMessage(int line, int count, int listed);
std::string PlaneMessage(int line);
std::string EndsInsideMessage(int line);
std::string ModifiersMessage(int line, const std::string& word);
