#pragma once

#include <set>
#include <string>
#include <unordered_map>
#include <vector>

#include "interchange/PovToken.h"
#include "interchange/SdlValue.h"

class SdlInterpreter;

// Runs the directive at the front of the scene: declarations, #undef, #version, #include,
// messages, and the directives of the other parts (control, macros). Those that would read or
// write files or run programs are passed over with a note, never run.
class SdlDirectives {
public:
    explicit SdlDirectives(SdlInterpreter& in) : _in(in) {}

    bool Execute();
    // One note for the include files passed over.
    void NoteSkipped();

private:
    bool Declare(const PovToken& directive);
    bool Subscripts(std::vector<size_t>& indices);
    bool Value(const std::string& name, int line, SdlValue& value);
    bool Assign(const PovToken& directive, const std::string& name,
                const std::vector<size_t>& indices, SdlValue value);
    bool SkipStatement();
    bool SkipBalanced();
    bool Undefine(const PovToken& directive);
    bool Version();
    bool Include(const PovToken& directive);
    bool ReadInclude(const PovToken& directive, const std::string& name, size_t& file);
    bool Message(const PovToken& directive);
    bool SkipUnrun(const PovToken& directive);

    SdlInterpreter& _in;
    std::unordered_map<std::string, size_t> _included;
    std::set<std::string> _noted;
    std::string _skipped;
};
