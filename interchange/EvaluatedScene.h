#pragma once

#include <string>
#include <vector>

#include "interchange/Outline.h"

// What evaluating a POV-Ray scene found: every prism, polygon, lathe and sor it creates, in the
// order the ray tracer creates them, the objects that only a macro never invoked would create,
// and why the evaluation stopped early, if it did.
struct EvaluatedScene {
    struct Object {
        std::string kind;  // "prism", "polygon", "lathe" or "sor"
        int line = 0;      // where its keyword stands
        std::string file;  // the include file it stands in; empty for the scene itself
        std::string name;  // the identifier declared as it, if any
        std::string path;  // the CSG objects and declarations it lies in, outermost first
        Outline outline;
        std::vector<std::string> notes;
        std::string error;  // why it cannot be imported; empty when it can

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
};
