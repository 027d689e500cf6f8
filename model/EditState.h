#pragma once

// Program-wide editing state shared by every window.

enum EditMode {
    AddPoint = 0,
    InsertPoint = 1,
    MovePoint = 2,
    DeletePoint = 3,
    MoveSet = 4,
    DeleteSet = 5,
    RotateSet = 6,
    RotateAll = 7,
    MoveAll = 8,
    ScaleAll = 9,
    ScaleSet = 10,
    CopySet = 11,
    CopyAll = 12,
    FlipSet = 13,
    ControlSet = 14,
    ControlView = 15,
    // Beside the modes above: choosing points and handles, and editing what is chosen.
    SelectPoints = 16,
};

enum ShapeKind {
    Polygon = 0,
    Prism = 1,
    // A profile turned about the file's y axis: every set is one profile.
    Lathe = 2,
    Sor = 3,
};

// Lathes and surfaces of revolution: kinds whose sets are profiles turned about the y axis.
constexpr bool IsTurnedKind(int kind) {
    return kind == Lathe || kind == Sor;
}

enum SplineType {
    LinearSpline = 0,
    QuadraticSpline = 1,
    CubicSpline = 2,
    BezierSpline = 3,
};

enum SweepType {
    LinearSweep = 0,
    ConicSweep = 1,
};

enum ShapeStyle {
    ShapePolygon = 0,
    ShapeRanPoly = 1,
    ShapeRandom = 2,
    ShapeStar = 3,
};

// What a left press on any canvas does (an EditMode).
extern int editMode;
// Whether drawings are polygons, prisms, lathes or surfaces of revolution (a ShapeKind).
extern int shapeKind;
