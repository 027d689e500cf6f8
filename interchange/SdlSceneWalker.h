#pragma once

#include <string>
#include <vector>

#include "interchange/PovToken.h"

class SdlInterpreter;

// Goes through the scene's statements as the ray tracer creates them, running directives and
// macros on the way, and hands every prism, polygon, lathe and sor to the object reader. It
// keeps the path of CSG objects, object { } wrappers and declarations the next object lies in,
// and gives the objects inside each the modifiers that act on them.
class SdlSceneWalker {
public:
    explicit SdlSceneWalker(SdlInterpreter& in) : _in(in) {}

    // The whole scene; false when the evaluation stopped.
    bool Walk();
    // The block declared as name (union { ... }, object { ... }, texture { ... }), whose
    // keyword is next.
    bool DeclaredBlock(const std::string& name);
    // The path of the next object: "Name > union > difference".
    std::string Path() const;

private:
    // Statements up to the brace that closes the block opened at depth `base`.
    bool Statements(size_t base);
    void Open(const std::string& entry);
    bool GroupModifier(const PovToken& word);

    SdlInterpreter& _in;
    std::vector<std::string> _path;     // one entry per open brace; "" where it names nothing
    std::vector<size_t> _firstObjects;  // per open brace, the first object created inside it
};
