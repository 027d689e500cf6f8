#pragma once

#include <vector>

#include "interchange/EvaluatedScene.h"
#include "interchange/ImportReport.h"

// Puts the points an object lists into its outline's plane (a prism's <x, z>, a lathe's or a
// sor's <radius, y>, a polygon's <x, y>), the modifiers acting on it applied where that keeps
// the shape exact: for a prism any map that keeps y apart from x and z (its heights follow;
// a conic sweep's only one that keeps the origin), for a lathe or a sor a uniform scale with
// turns about y and moves along it, for a polygon any map, its plane then turned or moved
// into z = 0 with a note saying what gives the original back. Other modifiers are dropped with
// a note. The prism values take the new heights; the object's listed points are used up.
// False, the reason in the report, when the points make no outline in that plane.
bool PlaceObjectPoints(EvaluatedScene::Object& object, PrismValues& prism,
                       std::vector<Point2>& points, ImportReport& report);
