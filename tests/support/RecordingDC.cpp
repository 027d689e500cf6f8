#include "support/RecordingDC.h"

int RecordingDC::Count(const std::string& prefix) const {
    return static_cast<int>(Matching(prefix).size());
}

std::vector<std::string> RecordingDC::Matching(const std::string& prefix) const {
    std::vector<std::string> found;
    for (const std::string& call : calls) {
        if (call.compare(0, prefix.size(), prefix) == 0) {
            found.push_back(call);
        }
    }
    return found;
}

void RecordingDC::Record(const char* name, std::initializer_list<int> values, const char* text) {
    std::string line = std::string(name) + "(";
    bool first = true;
    for (int value : values) {
        line += (first ? "" : ",") + std::to_string(value);
        first = false;
    }
    if (text) {
        line += std::string(first ? "" : ",") + text;
    }
    calls.push_back(line + ")");
}

void RecordingDC::EraseCanvas() {
    Record("EraseCanvas", {});
}
void RecordingDC::EraseRect(int x, int y, int width, int height) {
    Record("EraseRect", {x, y, width, height});
}
void RecordingDC::BlitFrom(vDC*, int destX, int destY, int srcX, int srcY, int width, int height) {
    Record("BlitFrom", {destX, destY, srcX, srcY, width, height});
}
void RecordingDC::PaintStyledText(int x, int y, const char* text, int attributes) {
    Record("PaintStyledText", {x, y, attributes}, text ? text : "");
}
void RecordingDC::PaintText(int x, int y, const char* text) {
    Record("PaintText", {x, y}, text ? text : "");
}
void RecordingDC::PaintEllipse(int x, int y, int width, int height) {
    Record("PaintEllipse", {x, y, width, height});
}
void RecordingDC::PaintIcon(int x, int y, const vIcon& icon) {
    Record("PaintIcon", {x, y, icon.width, icon.height});
}
void RecordingDC::PaintLine(int x, int y, int x2, int y2) {
    Record("PaintLine", {x, y, x2, y2});
}
void RecordingDC::PaintSegments(const vLine*, int count) {
    Record("PaintSegments", {count});
}
void RecordingDC::PaintPolyline(const vPoint*, int count) {
    Record("PaintPolyline", {count});
}
void RecordingDC::PaintPixelRow(int x, int y, int count, const uint32_t*) {
    Record("PaintPixelRow", {x, y, count});
}
void RecordingDC::PaintPoint(int x, int y) {
    Record("PaintPoint", {x, y});
}
void RecordingDC::PaintPoints(const vPoint*, int count) {
    Record("PaintPoints", {count});
}
void RecordingDC::PaintPolygon(int count, const vPoint*, int fillRule) {
    Record("PaintPolygon", {count, fillRule});
}
void RecordingDC::PaintRoundedRect(int x, int y, int width, int height, int radius) {
    Record("PaintRoundedRect", {x, y, width, height, radius});
}
void RecordingDC::PaintRectangle(int x, int y, int width, int height) {
    Record("PaintRectangle", {x, y, width, height});
}
void RecordingDC::PaintRectangles(const vRect*, int count) {
    Record("PaintRectangles", {count});
}
void RecordingDC::XorLine(int x, int y, int x2, int y2) {
    Record("XorLine", {x, y, x2, y2});
}
void RecordingDC::XorEllipse(int x, int y, int width, int height) {
    Record("XorEllipse", {x, y, width, height});
}
void RecordingDC::XorPoint(int x, int y) {
    Record("XorPoint", {x, y});
}
void RecordingDC::XorRectangle(int x, int y, int width, int height) {
    Record("XorRectangle", {x, y, width, height});
}

void RecordingDC::UsePen(const vPen& pen) {
    vDC::UsePen(pen);
    const vColor& c = pen.Color();
    Record("UsePen", {int(c.Red()), int(c.Green()), int(c.Blue()), pen.Width(), pen.Style()});
}

void RecordingDC::UseBrush(const vBrush& brush) {
    vDC::UseBrush(brush);
    const vColor& c = brush.Color();
    Record("UseBrush", {int(c.Red()), int(c.Green()), int(c.Blue()), brush.Style()});
}

void RecordingDC::UseFont(const vFont& font) {
    vDC::UseFont(font);
    Record("UseFont", {font.Family(), font.Size()});
}

void RecordingDC::SetBackground(const vColor& colour) {
    vDC::SetBackground(colour);
    Record("SetBackground", {int(colour.Red()), int(colour.Green()), int(colour.Blue())});
}
