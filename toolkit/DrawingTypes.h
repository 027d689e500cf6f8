#pragma once

// Plain records passed to the multi-figure drawing calls.
struct vPoint {
    int x;
    int y;
};

struct vLine {
    int x;
    int y;
    int x2;
    int y2;
};

struct vRect {
    int x;
    int y;
    int w;
    int h;
};
