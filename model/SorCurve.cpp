#include "model/SorCurve.h"

#include <algorithm>
#include <cmath>

double SorSegment::SquareAt(double u) const {
    double a = 2 * f1 - 2 * f2 + m1 + m2;
    double b = -3 * f1 + 3 * f2 - 2 * m1 - m2;
    return ((a * u + b) * u + m1) * u + f1;
}

Point2 SorSegment::At(double u) const {
    return {std::sqrt(std::max(SquareAt(u), 0.0)), h1 + u * (h2 - h1)};
}

std::vector<SorSegment> SorCurve(const std::vector<Point2>& points) {
    std::vector<SorSegment> segments;
    for (size_t i = 0; i + 3 < points.size(); ++i) {
        const Point2* p = &points[i];
        double step = p[2].y - p[1].y;
        // Slopes of r^2 against the height at the two ends, from the neighbours on either side.
        double s1 = 2 * p[1].x * (p[2].x - p[0].x) / (p[2].y - p[0].y);
        double s2 = 2 * p[2].x * (p[3].x - p[1].x) / (p[3].y - p[1].y);
        SorSegment segment{p[1].y, p[2].y, p[1].x * p[1].x, p[2].x * p[2].x, step * s1, step * s2};
        bool finite = std::isfinite(segment.h1) && std::isfinite(segment.h2) &&
                      std::isfinite(segment.f1) && std::isfinite(segment.f2) &&
                      std::isfinite(segment.m1) && std::isfinite(segment.m2);
        if (step != 0 && finite) {
            segments.push_back(segment);
        }
    }
    return segments;
}
