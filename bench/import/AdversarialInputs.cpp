#include "bench/import/AdversarialInputs.h"

#include <cstdio>

namespace AdversarialInputs {

namespace {

const char* const SvgHead = "<svg xmlns=\"http://www.w3.org/2000/svg\">\n";
const char* const SvgTail = "</svg>\n";

std::string Formatted(const char* format, double a, double b) {
    char text[128];
    std::snprintf(text, sizeof text, format, a, b);
    return text;
}

// "x,y x,y ...": up and down by 40 every 5 units along x.
std::string ZigzagPoints(int count, const char* format) {
    std::string points;
    for (int i = 0; i < count; ++i) {
        points += Formatted(format, i * 5.0, i % 2 == 0 ? 0.0 : 40.0);
    }
    return points;
}

}  // namespace

std::string CurvedZigzagSvg(int curves) {
    std::string text = std::string(SvgHead) + "<path d=\"M0 0";
    for (int i = 0; i < curves; ++i) {
        const double x = i * 20.0;
        const double bump = i % 2 == 0 ? -20000 : 20000;
        text += Formatted("C%.1f %g ", x + 7.5, bump) + Formatted("%.1f %g ", x + 12.5, bump) +
                Formatted("%.1f %g", x + 20, 0);
    }
    return text + "V30000H0Z\"/>\n" + SvgTail;
}

std::string StraightZigzagSvg(int segments) {
    return std::string(SvgHead) + "<polygon points=\"" + ZigzagPoints(segments + 1, "%g,%g ") +
           Formatted("%g,%g 0,100\"/>\n", segments * 5.0, 100) + SvgTail;
}

std::string RepeatedPointSvg(int points) {
    std::string text = std::string(SvgHead) + "<polygon points=\"";
    for (int i = 0; i < points; ++i) {
        text += "10,10 ";
    }
    return text + "90,10 10,90\"/>\n" + SvgTail;
}

std::string NotePerElementSvg(int elements) {
    std::string text = std::string(SvgHead) + "<polygon points=\"0,0 100,0 0,100\"/>\n";
    for (int i = 0; i < elements; ++i) {
        text += Formatted("<rect x=\"%g\" y=\"%g\" width=\"1cm\" height=\"1cm\"/>\n", i % 1000,
                          i / 1000.0);
    }
    return text + SvgTail;
}

std::string TrianglesSvg(int triangles) {
    std::string text = std::string(SvgHead) + "<path d=\"";
    for (int i = 0; i < triangles; ++i) {
        text += Formatted("M%g 0 1 1 %g 1z", i % 10, 0);
    }
    return text + "\"/>\n" + SvgTail;
}

std::string PovPolygonZigzag(int points) {
    std::string text = Formatted("polygon { %g,\n", points + 1, 0);
    for (int i = 0; i < points; ++i) {
        text += Formatted("<%g,%g>,\n", i * 0.25, i % 2 == 0 ? 0.0 : 1.0);
    }
    return text + "<0,0> }\n";
}

const std::vector<Input>& All() {
    static const std::vector<Input> inputs = {
        {"curved-zigzag", ".svg", CurvedZigzagSvg, {600, 1200, 2400, 4800, 48000}},
        {"straight-zigzag", ".svg", StraightZigzagSvg, {10000, 20000, 40000, 400000}},
        {"repeated-point", ".svg", RepeatedPointSvg, {40000, 80000, 160000, 1600000}},
        {"note-per-element", ".svg", NotePerElementSvg, {5000, 40000, 400000}},
        {"pov-polygon-zigzag", ".pov", PovPolygonZigzag, {20000, 40000, 400000}},
        {"triangles", ".svg", TrianglesSvg, {40000, 400000}},
    };
    return inputs;
}

}  // namespace AdversarialInputs
