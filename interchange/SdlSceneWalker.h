#pragma once

#include <string>
#include <vector>

class SdlInterpreter;

// Goes through the scene's statements as the ray tracer creates them, running directives and
// macros on the way, and hands every prism, polygon, lathe and sor to the object reader. It
// keeps the path of CSG objects, object { } wrappers and declarations the next object lies in.
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

    SdlInterpreter& _in;
    std::vector<std::string> _path;  // one entry per open brace; "" where it names nothing
};
