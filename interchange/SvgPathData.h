#pragma once

#include <functional>
#include <string>
#include <vector>

#include "interchange/Outline.h"

// One subpath of SVG path data, in the user units of the data: its points in order and the
// segment from each point to the next, so one segment fewer than points; none at all while
// every segment is straight.
struct SvgSubpath {
    std::vector<Point2> points;
    std::vector<Outline::Segment> segments;
    bool closed = false;
};

// Takes each subpath, in order, once it is complete; it may keep what the subpath holds.
using SvgSubpathTaker = std::function<void(SvgSubpath&)>;

// Parses SVG path data: every command, absolute and relative, with implicit repeats.
// Quadratic curves are raised to cubic ones and elliptical arcs are made of cubic curves of at
// most a quarter turn each. As in a browser, what comes before an error is kept and the rest
// is ignored; the result is then false and error tells what and where. Each subpath goes to
// take as soon as it is complete, so that a path of many holds one at a time.
bool ParseSvgPathData(const char* text, const SvgSubpathTaker& take, std::string& error);
// The same, collecting the subpaths.
bool ParseSvgPathData(const char* text, std::vector<SvgSubpath>& subpaths, std::string& error);
