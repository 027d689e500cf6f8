#pragma once

#include <vector>

#include "interchange/ImportReport.h"
#include "interchange/Outline.h"

// Makes the sets of an outline from the points an object lists, as its kind and spline read
// them: a prism's or polygon's sub-outlines each return to their first point, a lathe or a sor
// is one profile; the spline's control points become the sets' control point or bezier
// handles. Points are in the scene's units; the sets are made in model units.
class PovOutlineBuilder {
public:
    // The outline's kind and prism values are those of the object already.
    PovOutlineBuilder(Outline& outline, ImportReport& report)
        : _outline(outline), _report(report) {}

    // lines: the line each point stands on. False, the reason in the report, when the points
    // do not make the outline.
    bool Build(const std::vector<Point2>& listed, const std::vector<int>& lines);

private:
    bool MakeSets(const std::vector<Point2>& listed, const std::vector<int>& lines);
    bool MakeProfile(const std::vector<Point2>& listed, const std::vector<int>& lines);
    bool BezierProfile(const std::vector<Point2>& listed, const std::vector<int>& lines,
                       Outline::Set& set);
    void NoteUnclosedSets(int unclosed);
    static bool PointSet(const std::vector<Point2>& listed, size_t& i, Outline::Set& set);
    bool BezierSet(const std::vector<Point2>& listed, const std::vector<int>& lines, size_t& i,
                   Outline::Set& set);
    void ToModelUnits();

    Outline& _outline;
    ImportReport& _report;
};
