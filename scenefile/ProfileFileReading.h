#pragma once

#include <optional>
#include <vector>

#include "model/Drawing.h"

class SceneLineReader;

// Reads the profiles of a lathe or surface-of-revolution file into the drawing, of the kind
// given: one declaration a profile, several of them inside a union. It starts
// just past the line that opens the first declaration and reads the layout the writer writes,
// line by line: "//___unfinished___" and "//___open___" where they apply, the spline (lathe),
// the count line, one value a line with set markers and other comments passed over, "open" and
// "sturm", and "}".
//
// A closed lathe's profile ends on its set's closing repeat. A profile of an open lathe (one
// marked "//___open___") or of a surface of revolution is written without it, and gets one as a
// set the editor finishes does. The unfinished set, the last declaration marked so, keeps no
// closing repeat. The end slope point of a cubic lathe is passed over: the writer works it out
// again from the last two points.
class ProfileFileReading {
public:
    ProfileFileReading(Drawing& drawing, ShapeKind kind, SceneLineReader& in, bool inUnion)
        : _canvas(drawing), _kind(kind), _in(in), _inUnion(inUnion) {}

    // A SceneReadResult. On a failure the profiles read whole before it stay in the drawing.
    int Read();

private:
    // One declaration's values in file units, as listed.
    struct Profile {
        std::vector<Point2> values;
        std::vector<NodeType> types;  // the node type each value's line names
        bool unfinished = false;
        bool open = false;
        bool sturm = false;
    };
    // A profile as the drawing keeps it: its points, the handles of its segments and its one
    // control point.
    struct Laid {
        std::vector<Point2> points;
        std::vector<NodeType> types;  // of each point that starts a segment
        std::vector<Point2> first;    // handle 1 of the segment from each point
        std::vector<Point2> second;   // handle 2
        bool hasControl = false;
        Point2 control{0, 0};
        std::optional<Point2> endSlope;  // a cubic profile's, as the file gave it
    };

    int ReadProfile(Profile& profile);
    int ReadValues(Profile& profile);
    int NextDeclaration();
    bool OpensDeclaration(const char* line) const;
    Laid LayOut(const Profile& profile) const;
    bool PutProfiles();
    bool PutProfile(const Laid& laid, bool unfinished, bool keepLast);

    Drawing& _canvas;
    ShapeKind _kind;
    SceneLineReader& _in;
    bool _inUnion;
    std::vector<Profile> _profiles;
};
