#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "interchange/PovToken.h"
#include "interchange/SdlFrame.h"

// The tokens the evaluator reads: every file is split into tokens once, and reading moves
// through a stack of frames. A frame that reaches its end is left (the owner is told, to close
// what the frame opened) and reading goes on in the one below, so that a macro's body flows
// into the expression that invoked it. Every token taken counts as a step.
class SdlSource {
public:
    // Splits the text into tokens and keeps it; false, with the tokenizer's reason, when a
    // comment or string never ends.
    bool AddFile(const std::string& name, std::string text, size_t& index, std::string& why);
    const std::string& FileName(size_t file) const { return _files[file]->name; }
    const std::vector<PovToken>& Tokens(size_t file) const { return _files[file]->tokens; }

    void Enter(const SdlFrame& frame) { _frames.push_back(frame); }
    const PovToken& Peek();
    // The token after the next one, in the same frame.
    const PovToken& Second();
    PovToken Take();
    // The next token of the current frame without leaving it; an End token at its end.
    PovToken TakeInFrame();
    const SdlFrame& Frame() const { return _frames.back(); }
    size_t Depth() const { return _frames.size(); }
    size_t FramesOf(SdlFrame::Kind kind) const;
    void JumpTo(size_t at) { _frames.back().at = at; }
    int Line() const { return _line; }
    long Steps() const { return _steps; }
    void Count(long steps) { _steps += steps; }

    std::function<void(const SdlFrame&)> onLeave;

private:
    struct File {
        std::string name;
        std::string text;
        std::vector<PovToken> tokens;
    };
    const PovToken& EndToken();

    std::vector<std::unique_ptr<File>> _files;
    std::vector<SdlFrame> _frames;
    PovToken _end;
    int _line = 1;
    long _steps = 0;
};
