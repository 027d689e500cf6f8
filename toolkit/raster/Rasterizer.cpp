#include "toolkit/raster/Rasterizer.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <utility>
#include <vector>

#include "toolkit/DrawingStyles.h"

namespace {

// How far in from the box edge the corner ellipse is at the given row of the corner (0 = the
// outermost row). A pixel belongs to the ellipse when its centre lies inside; the widest row
// always reaches the edge and every row keeps its middle pixel(s), so the figure touches all
// four sides of its box however flat it is.
int CornerInset(int cornerW, int cornerH, int row) {
    if (row == (cornerH - 1) / 2) {
        return 0;
    }
    double a = cornerW / 2.0;
    double b = cornerH / 2.0;
    double dy = (row + 0.5 - b) / b;
    double halfWidth = a * std::sqrt(std::max(0.0, 1.0 - dy * dy));
    double inset = std::ceil(a - halfWidth - 0.5 - 1e-9);
    return std::clamp(static_cast<int>(inset), 0, (cornerW - 1) / 2);
}

bool HatchDraws(int hatch, int x, int y) {
    bool horizontal = (y & 7) == 0;
    bool vertical = (x & 7) == 0;
    bool forward = ((x - y) & 7) == 0;
    bool backward = ((x + y) & 7) == 0;
    switch (hatch) {
        case StyleHorizontalHatch:
            return horizontal;
        case StyleVerticalHatch:
            return vertical;
        case StyleForwardDiagonal:
            return forward;
        case StyleBackwardDiagonal:
            return backward;
        case StyleCrossHatch:
            return horizontal || vertical;
        default:
            return forward || backward;
    }
}

// Where a pixel of a box outline stands in the dash pattern: along y on the left and right
// sides, along x on the top and bottom, so dashes run round the figure.
int64_t OutlinePosition(const RasterBox& box, int x, int y) {
    int64_t fromCentreX = std::abs(2 * int64_t(x) - box.x0 - box.x1);
    int64_t fromCentreY = std::abs(2 * int64_t(y) - box.y0 - box.y1);
    int64_t width = int64_t(box.x1) - box.x0 + 1;
    int64_t height = int64_t(box.y1) - box.y0 + 1;
    return fromCentreX * height > fromCentreY * width ? y : x;
}

RasterBox DiscBox(int width) {
    int low = -(width - 1) / 2;
    int high = low + width - 1;
    return RasterBox{low, low, high, high, width, width};
}

}  // namespace

template <class Visit>
void Rasterizer::WalkLine(int x0, int y0, int x1, int y1, int margin, Visit&& visit) const {
    const int64_t dx = int64_t(x1) - x0;
    const int64_t dy = int64_t(y1) - y0;
    const bool xMajor = std::abs(dx) >= std::abs(dy);
    const int64_t major = std::abs(xMajor ? dx : dy);
    const int64_t minor = std::abs(xMajor ? dy : dx);
    if (major == 0) {
        return;
    }
    const int majorStep = (xMajor ? dx : dy) < 0 ? -1 : 1;
    const int minorStep = (xMajor ? dy : dx) < 0 ? -1 : 1;
    const int64_t m0 = xMajor ? x0 : y0;
    const int64_t n0 = xMajor ? y0 : x0;
    const int64_t low = -margin;
    const int64_t majorHigh = (xMajor ? _surface.Width() : _surface.Height()) - 1 + margin;
    const int64_t minorHigh = (xMajor ? _surface.Height() : _surface.Width()) - 1 + margin;

    // Only the steps that can reach the surface are walked. The major axis is cut exactly; the
    // minor axis in floating point with a step to spare, since every pixel is checked anyway.
    int64_t first = majorStep > 0 ? low - m0 : m0 - majorHigh;
    int64_t last = majorStep > 0 ? majorHigh - m0 : m0 - low;
    first = std::max<int64_t>(first, 0);
    last = std::min(last, major - 1);
    if (minor == 0) {
        if (n0 < low || n0 > minorHigh) {
            return;
        }
    } else {
        double below = double(minorStep > 0 ? low - n0 : n0 - minorHigh) - 1;
        double above = double(minorStep > 0 ? minorHigh - n0 : n0 - low) + 1;
        double stepsPerMinor = double(major) / double(minor);
        double firstSteps = std::clamp(std::floor(below * stepsPerMinor), 0.0, double(major));
        double lastSteps = std::clamp(std::ceil(above * stepsPerMinor), -1.0, double(major));
        first = std::max(first, static_cast<int64_t>(firstSteps));
        last = std::min(last, static_cast<int64_t>(lastSteps));
    }
    if (first > last) {
        return;
    }

    // The minor offset at step k is k * minor / major rounded half up, kept as a remainder.
    const __int128 start = __int128(2) * first * minor + major;
    int64_t remainder = static_cast<int64_t>(start % (2 * major));
    int64_t m = m0 + majorStep * first;
    int64_t n = n0 + minorStep * static_cast<int64_t>(start / (2 * major));
    for (int64_t k = first; k <= last; ++k) {
        if (xMajor) {
            visit(static_cast<int>(m), static_cast<int>(n), k);
        } else {
            visit(static_cast<int>(n), static_cast<int>(m), k);
        }
        m += majorStep;
        remainder += 2 * minor;
        if (remainder >= 2 * major) {
            remainder -= 2 * major;
            n += minorStep;
        }
    }
}

void Rasterizer::Line(int x0, int y0, int x1, int y1, const RasterPen& pen) {
    if (pen.width > 1) {
        WideLine(x0, y0, x1, y1, pen);
        return;
    }
    WalkLine(x0, y0, x1, y1, 0, [&](int x, int y, int64_t k) {
        if (!pen.DrawsAt(k)) {
            return;
        }
        if (pen.invert) {
            Invert(x, y);
        } else {
            Plot(x, y, pen.colour);
        }
    });
}

// A wide line is the pen's disc stamped at every step. Stamps overlap, so an inverting line
// first gathers its pixels and inverts each one once.
void Rasterizer::WideLine(int x0, int y0, int x1, int y1, const RasterPen& pen) {
    const RasterBox disc = DiscBox(pen.width);
    std::vector<std::pair<int, int>> discRows;
    for (int row = disc.y0; row <= disc.y1; ++row) {
        int left = 0;
        int right = 0;
        BoxSpan(disc, row, left, right);
        discRows.emplace_back(left, right);
    }
    std::vector<uint64_t> touched;
    WalkLine(x0, y0, x1, y1, pen.width, [&](int x, int y, int64_t k) {
        if (!pen.DrawsAt(k)) {
            return;
        }
        for (int row = 0; row < pen.width; ++row) {
            int py = y + disc.y0 + row;
            for (int px = x + discRows[row].first; px <= x + discRows[row].second; ++px) {
                if (!_surface.Contains(px, py)) {
                    continue;
                }
                if (pen.invert) {
                    touched.push_back(uint64_t(uint32_t(py)) << 32 | uint32_t(px));
                } else {
                    _surface.At(px, py) = pen.colour;
                }
            }
        }
    });
    std::sort(touched.begin(), touched.end());
    touched.erase(std::unique(touched.begin(), touched.end()), touched.end());
    for (uint64_t key : touched) {
        Invert(static_cast<int>(key & 0xffffffffu), static_cast<int>(key >> 32));
    }
}

void Rasterizer::Dot(int x, int y, const RasterPen& pen) {
    if (pen.width <= 1) {
        if (pen.invert) {
            Invert(x, y);
        } else {
            Plot(x, y, pen.colour);
        }
        return;
    }
    if (x < -pen.width || y < -pen.width || x - pen.width > _surface.Width() ||
        y - pen.width > _surface.Height()) {
        return;
    }
    RasterBox disc = DiscBox(pen.width);
    disc.x0 += x;
    disc.x1 += x;
    disc.y0 += y;
    disc.y1 += y;
    RasterPen solid = pen;
    solid.dashPeriod = 0;
    Box(disc, &solid, nullptr);
}

bool Rasterizer::BoxSpan(const RasterBox& box, int y, int& left, int& right) {
    if (y < box.y0 || y > box.y1 || box.x1 < box.x0) {
        return false;
    }
    int cornerW = std::min(box.cornerW, box.x1 - box.x0 + 1);
    int cornerH = std::min(box.cornerH, box.y1 - box.y0 + 1);
    int row = std::min(y - box.y0, box.y1 - y);
    int inset = cornerW > 0 && 2 * row < cornerH ? CornerInset(cornerW, cornerH, row) : 0;
    left = box.x0 + inset;
    right = box.x1 - inset;
    return true;
}

// The outline is what lies within the pen's width of the figure's edge, measured along rows
// and columns (the figure worn away by a diamond). A one-pixel outline is then exactly the
// figure's pixels that have a neighbour outside it: closed, with no gaps, however flat.
void Rasterizer::Box(const RasterBox& box, const RasterPen* pen, const RasterFill* fill) {
    const int top = std::max(box.y0, 0);
    const int bottom = std::min(box.y1, _surface.Height() - 1);
    if (box.x1 < box.x0 || top > bottom) {
        return;
    }
    const int ring = pen ? pen->width : 0;
    const int first = std::max(box.y0, top - ring);
    const int last = std::min(box.y1, bottom + ring);
    std::vector<std::pair<int, int>> spans(size_t(last - first) + 1);
    for (int y = first; y <= last; ++y) {
        BoxSpan(box, y, spans[y - first].first, spans[y - first].second);
    }
    for (int y = top; y <= bottom; ++y) {
        const auto [left, right] = spans[y - first];
        int innerLeft = left + ring;
        int innerRight = right - ring;
        for (int d = 1; d <= ring && innerLeft <= innerRight; ++d) {
            for (int row : {y - d, y + d}) {
                if (row < box.y0 || row > box.y1) {
                    innerRight = innerLeft - 1;
                    break;
                }
                innerLeft = std::max(innerLeft, spans[row - first].first + ring - d);
                innerRight = std::min(innerRight, spans[row - first].second - (ring - d));
            }
        }
        if (pen && innerLeft > innerRight) {
            OutlineSpan(y, left, right, box, *pen);
            continue;
        }
        if (pen) {
            OutlineSpan(y, left, innerLeft - 1, box, *pen);
            OutlineSpan(y, innerRight + 1, right, box, *pen);
        }
        if (fill) {
            FillSpan(y, innerLeft, innerRight, *fill);
        }
    }
}

void Rasterizer::FillSpan(int y, int left, int right, const RasterFill& fill) {
    left = std::max(left, 0);
    right = std::min(right, _surface.Width() - 1);
    if (left > right) {
        return;
    }
    uint32_t* row = &_surface.At(0, y);
    if (fill.hatch == 0) {
        std::fill(row + left, row + right + 1, fill.colour);
        return;
    }
    for (int x = left; x <= right; ++x) {
        row[x] = HatchDraws(fill.hatch, x, y) ? fill.colour : fill.background;
    }
}

void Rasterizer::OutlineSpan(int y, int left, int right, const RasterBox& box,
                             const RasterPen& pen) {
    left = std::max(left, 0);
    right = std::min(right, _surface.Width() - 1);
    for (int x = left; x <= right; ++x) {
        if (pen.dashPeriod > 0 && !pen.DrawsAt(OutlinePosition(box, x, y))) {
            continue;
        }
        if (pen.invert) {
            _surface.At(x, y) ^= 0x00ffffffu;
        } else {
            _surface.At(x, y) = pen.colour;
        }
    }
}

// The first row is filled and copied to the others: a block copy is many times faster than
// storing one pixel after another, and erasing the canvas starts every repaint.
void Rasterizer::FillRect(int x0, int y0, int x1, int y1, uint32_t colour) {
    const int top = std::max(y0, 0);
    const int bottom = std::min(y1, _surface.Height() - 1);
    const int left = std::max(x0, 0);
    const int right = std::min(x1, _surface.Width() - 1);
    if (top > bottom || left > right) {
        return;
    }
    const uint32_t* first = &_surface.At(left, top);
    std::fill(&_surface.At(left, top), &_surface.At(left, top) + (right - left + 1), colour);
    for (int y = top + 1; y <= bottom; ++y) {
        std::memcpy(&_surface.At(left, y), first, sizeof(uint32_t) * size_t(right - left + 1));
    }
}

// Pixels whose centres lie in [left, right).
void Rasterizer::FillCrossings(int y, double left, double right, const RasterFill& fill) {
    const double limit = _surface.Width() + 1.0;
    left = std::clamp(std::ceil(left - 0.5), -1.0, limit);
    right = std::clamp(std::ceil(right - 0.5) - 1, -1.0, limit);
    FillSpan(y, static_cast<int>(left), static_cast<int>(right), fill);
}

void Rasterizer::Polygon(const vPoint* points, int count, bool winding, const RasterPen* pen,
                         const RasterFill* fill) {
    if (!points || count < 2) {
        return;
    }
    if (fill) {
        int minY = points[0].y;
        int maxY = points[0].y;
        for (int i = 1; i < count; ++i) {
            minY = std::min(minY, points[i].y);
            maxY = std::max(maxY, points[i].y);
        }
        const int top = std::max(minY, 0);
        const int bottom = std::min(maxY, _surface.Height() - 1);
        std::vector<std::pair<double, int>> crossings;
        for (int y = top; y <= bottom; ++y) {
            const double centre = y + 0.5;
            crossings.clear();
            for (int i = 0; i < count; ++i) {
                const vPoint& a = points[i];
                const vPoint& b = points[(i + 1) % count];
                if (a.y == b.y || centre < std::min(a.y, b.y) || centre >= std::max(a.y, b.y)) {
                    continue;
                }
                double x = a.x + (centre - a.y) * (double(b.x) - a.x) / (double(b.y) - a.y);
                crossings.emplace_back(x, b.y > a.y ? 1 : -1);
            }
            std::sort(crossings.begin(), crossings.end());
            int inside = 0;
            for (size_t i = 0; i + 1 < crossings.size(); ++i) {
                inside = winding ? inside + crossings[i].second : (inside == 0 ? 1 : 0);
                if (inside != 0) {
                    FillCrossings(y, crossings[i].first, crossings[i + 1].first, *fill);
                }
            }
        }
    }
    if (pen) {
        for (int i = 0; i < count; ++i) {
            const vPoint& a = points[i];
            const vPoint& b = points[(i + 1) % count];
            Line(a.x, a.y, b.x, b.y, *pen);
        }
    }
}
