#pragma once

#include <string>
#include <unordered_map>
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
    // The objects [first, end) were declared as name.
    void Declared(const std::string& name, size_t first, size_t end);

private:
    // Statements up to the brace that closes the block opened at depth `base`.
    bool Statements(size_t base);
    bool InGroup() const;
    void Open(const std::string& entry);
    void Close();
    void Place(const std::string& name);
    bool GroupModifier(const PovToken& word);

    // The objects inside an open brace: those created from the first on, and declared ones
    // placed there by name.
    struct Members {
        size_t first;
        std::vector<size_t> placed;
    };
    struct Declaration {
        size_t first;
        size_t end;
        bool placed;
    };

    SdlInterpreter& _in;
    std::vector<std::string> _path;  // one entry per open brace; "" where it names nothing
    std::vector<Members> _members;   // one per open brace
    std::unordered_map<std::string, Declaration> _declared;
};
