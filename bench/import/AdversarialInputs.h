#pragma once

#include <string>
#include <vector>

// Small files that cost an importer the most for their size, made the same every time so that
// figures can be repeated: each is a closed outline of n pieces that is far beyond the 500
// entries of a drawing, or n elements that each earn a note.
namespace AdversarialInputs {

// One path of n cubic curves, each a tall bump up or down from a straight base line, and the
// straight way back.
std::string CurvedZigzagSvg(int curves);
// One polygon of n straight segments going up and down along a line, and the way back.
std::string StraightZigzagSvg(int segments);
// One polygon of the same point n times, then two others: a triangle in the end.
std::string RepeatedPointSvg(int points);
// A triangle, and n rectangles measured in centimetres, which are not imported.
std::string NotePerElementSvg(int elements);
// One path of n small triangles, each a subpath: far more sets than a drawing holds, refused.
std::string TrianglesSvg(int triangles);
// A POV-Ray polygon of n points going up and down along a line, closed on its first point.
std::string PovPolygonZigzag(int points);

struct Input {
    const char* name;
    const char* extension;
    std::string (*make)(int);
    // The sizes of the first measurements, and ten times the largest of them.
    std::vector<int> sizes;
};
const std::vector<Input>& All();

}  // namespace AdversarialInputs
