#pragma once

#include <cstring>
#include <initializer_list>
#include <utility>
#include <vector>

#include "model/KCanvasPane.h"

// Keeps every status update a canvas makes.
class StatusLog : public KStatusSink {
public:
    std::vector<std::pair<double, double>> updates;

    void UpdateStatus(double x, double y) override { updates.emplace_back(x, y); }
};

// Appends the points to the open set, as Add Point presses would.
inline void AddOpenPoints(KCanvasPane& canvas, std::initializer_list<Point2> points) {
    for (Point2 p : points) {
        canvas.points[canvas.pointCount++] = p;
    }
}

// Appends the points as one finished set: closing copy, default handles and a new set end.
inline void AddFinishedSet(KCanvasPane& canvas, std::initializer_list<Point2> points) {
    int first = canvas.pointCount;
    AddOpenPoints(canvas, points);
    canvas.points[canvas.pointCount] = canvas.points[first];
    canvas.InitBezierHandles();
    ++canvas.pointCount;
    canvas.setEnds[++canvas.setCount] = canvas.pointCount;
}

// Fills every entry of the three arrays with distinct values, so that any shift shows.
inline void NumberAllEntries(KCanvasPane& canvas) {
    for (int i = 0; i < MaxPoints; ++i) {
        canvas.points[i] = {double(i), double(-i)};
        canvas.control1[i] = {1000.0 + i, 0};
        canvas.control2[i] = {2000.0 + i, 0};
    }
}

// A copy of everything a refused operation must leave alone.
struct ModelSnapshot {
    explicit ModelSnapshot(const KCanvasPane& canvas)
        : pointCount(canvas.pointCount), setCount(canvas.setCount) {
        std::memcpy(points, canvas.points, sizeof points);
        std::memcpy(control1, canvas.control1, sizeof control1);
        std::memcpy(control2, canvas.control2, sizeof control2);
        std::memcpy(setEnds, canvas.setEnds, sizeof setEnds);
    }

    bool Matches(const KCanvasPane& canvas) const {
        return pointCount == canvas.pointCount && setCount == canvas.setCount &&
               std::memcmp(points, canvas.points, sizeof points) == 0 &&
               std::memcmp(control1, canvas.control1, sizeof control1) == 0 &&
               std::memcmp(control2, canvas.control2, sizeof control2) == 0 &&
               std::memcmp(setEnds, canvas.setEnds, sizeof setEnds) == 0;
    }

    int pointCount;
    int setCount;
    Point2 points[MaxPoints];
    Point2 control1[MaxPoints];
    Point2 control2[MaxPoints];
    int setEnds[SetEndEntries];
};
