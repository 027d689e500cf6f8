#pragma once

// A point in model units: origin at the canvas centre, y downwards.
struct Point2 {
    double x;
    double y;
};
