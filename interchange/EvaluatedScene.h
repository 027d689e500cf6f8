#pragma once

#include <string>
#include <vector>

#include "interchange/Outline.h"
#include "interchange/SceneTransform.h"

// What evaluating a POV-Ray scene found: every prism, polygon, lathe and sor it creates, in the
// order the ray tracer creates them, the objects that only a macro never invoked would create,
// and why the evaluation stopped early, if it did.
struct EvaluatedScene {
    // A modifier that moves, turns or scales an object: its own, or one of a CSG object or
    // object { } wrapper it lies in.
    struct Modifier {
        std::string word;
        int line = 0;
        bool evaluated = false;  // false for a transform the importer does not evaluate
        SceneTransform transform;
    };
    struct Object {
        std::string kind;  // "prism", "polygon", "lathe" or "sor"
        int line = 0;      // where its keyword stands
        std::string file;  // the include file it stands in; empty for the scene itself
        std::string name;  // the identifier declared as it, if any
        std::string path;  // the CSG objects and declarations it lies in, outermost first
        Outline outline;
        std::vector<std::string> notes;
        std::string error;  // why it cannot be imported; empty when it can
        // The points as the object lists them (z 0 where not given), the line of each, and
        // the modifiers acting on them in order; the outline is made of them once the
        // scene's wrappers have added theirs.
        std::vector<SceneTransform::Vec3> listed;
        std::vector<int> lines;
        std::vector<Modifier> modifiers;

        int Points() const;
        // The name, else the path it lies in, else "".
        std::string Place() const;
        // One line for a list of the scene's objects: its number, kind, spline, sweep, points,
        // sets, line and place.
        std::string Listing(int number) const;
    };
    // An object written inside a macro that the scene never invokes.
    struct Unreached {
        std::string kind;
        int line = 0;
        std::string macro;
        std::vector<std::string> parameters;  // those the object's values use
        std::string name;                     // the identifier the macro declares as it, if any

        std::string Message() const;
    };
    // The first declaration of an identifier, and the first object declared under it.
    struct Name {
        std::string name;
        int line = 0;
        int object = -1;     // an index in objects, or -1
        bool group = false;  // declared as a CSG object or an object { } wrapper
    };

    std::vector<Object> objects;
    std::vector<Unreached> unreached;
    std::vector<Name> names;
    std::vector<std::string> notes;
    std::string debug;       // what the scene's #debug directives wrote
    std::string error;       // why the evaluation stopped before the scene's end
    bool overBound = false;  // it stopped at one of the limits

    const Name* FindName(const std::string& name) const;
    const Unreached* FindUnreached(const std::string& name) const;
};
