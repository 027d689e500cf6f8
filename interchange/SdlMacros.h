#pragma once

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "interchange/EvaluatedScene.h"
#include "interchange/PovToken.h"
#include "interchange/SdlFrame.h"

class SdlInterpreter;

// Macros of the scene language: defined at #macro (the body passed over and kept as a range of
// tokens), invoked by name with their arguments bound as local identifiers in a table of their
// own. An argument that is a bare identifier is passed by reference, as in the ray tracer: what
// the macro leaves in the parameter goes back to it. The objects a macro's body holds are
// remembered, so that those of a macro never invoked can be named.
class SdlMacros {
public:
    explicit SdlMacros(SdlInterpreter& in) : _in(in) {}

    bool Define();
    bool Has(std::string_view name) const;
    bool Invoke();
    // The invoked macro's body has ended.
    void Leave();
    void ReportUnreached();

private:
    struct Macro {
        std::string name;
        std::vector<std::string> parameters;
        size_t optional = 0;  // how many of the last parameters may be left out
        size_t file = 0;
        SdlPlace begin;
        size_t end = 0;  // where its #end begins
        int line = 0;
        bool invoked = false;
    };
    // A parameter whose argument was an identifier of the caller.
    struct Reference {
        std::string parameter;
        std::string identifier;
    };
    struct Call {
        std::vector<Reference> references;
    };

    bool Parameters(Macro& macro);
    bool BindArguments(const Macro& macro, int line, Call& call);
    void NoteObjects(const Macro& macro);
    std::vector<std::string> UsedParameters(const Macro& macro, const std::vector<PovToken>& body,
                                            size_t open) const;

    SdlInterpreter& _in;
    std::unordered_map<std::string, Macro> _macros;
    std::vector<std::string> _order;
    std::vector<Call> _calls;
};
