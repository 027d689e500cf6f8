#pragma once

#include <string>
#include <vector>

#include "interchange/PovToken.h"
#include "interchange/SdlFrame.h"

class SdlInterpreter;

// The directives that choose and repeat: #if, #ifdef, #ifndef, #else, #elseif, #switch, #case,
// #range, #break, #while, #for and the #end of each. Branches not taken are passed over token by
// token, nested blocks counted; a loop goes back to its condition or body at its #end. Macro
// bodies and include files are blocks too, so that nothing opened inside one outlives it.
class SdlControl {
public:
    explicit SdlControl(SdlInterpreter& in) : _in(in) {}

    // The directive at the front, one of those above.
    bool Execute(const PovToken& directive);
    static bool Handles(const PovToken& directive);
    void EnterFrame(int line);
    // Checks that a frame left closed what it opened, and forgets its block.
    void LeaveFrame(const SdlFrame& frame);
    // Passes over the rest of a block up to its #end, nested blocks included (a macro's body).
    // endsAt, when given, is where the #end begins.
    bool SkipToEnd(int line, const char* what, size_t* endsAt = nullptr);
    // At the scene's end: false, with the reason, when a block was left open.
    bool AllClosed();

private:
    struct Block {
        enum Kind { If, Switch, While, For, Frame };
        Kind kind = If;
        int line = 0;
        SdlPlace at;  // a loop's condition or body, in the frame it stands in
        std::string variable;
        double end = 0;
        double step = 1;
    };

    bool If(const PovToken& directive, bool truth);
    bool IfDefined(const PovToken& directive);
    bool Branch(const PovToken& directive, bool truth);
    bool Switch(const PovToken& directive);
    bool CaseMatches(const PovToken& directive, double value, bool& matches);
    bool InsideBranch(const PovToken& directive);
    bool While(const PovToken& directive);
    bool For(const PovToken& directive);
    bool ForGoesOn(const Block& block, double value) const;
    bool End(const PovToken& directive);
    bool Loop(Block& block);
    bool Break(const PovToken& directive);
    bool Iterate(const Block& block);
    // Passes over tokens up to a directive of `stops` at the block's own level, and takes it;
    // an End token when the frame ends first (the reason then told).
    PovToken SkipTo(const std::vector<const char*>& stops, int line, const char* what);

    SdlInterpreter& _in;
    std::vector<Block> _blocks;
    long _iterations = 0;
};
