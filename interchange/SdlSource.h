#pragma once

#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "interchange/PovToken.h"
#include "interchange/PovTokenizer.h"
#include "interchange/SdlFrame.h"

// The tokens the evaluator reads, split off the files' text as they are needed (no list of
// them is kept, so a large scene costs little more than its text), through a stack of frames.
// A frame that reaches its end is left (the owner is told, to close what the frame opened) and
// reading goes on in the one below, so that a macro's body flows into the expression that
// invoked it. A loop goes back to a place taken before. Every token taken counts as a step.
class SdlSource {
public:
    // Keeps the text, once its every comment and string is known to end; false, with the
    // tokenizer's reason, otherwise.
    bool AddFile(const std::string& name, std::string text, size_t& index, std::string& why);
    const std::string& FileName(size_t file) const { return _files[file]->name; }
    const std::string& Text(size_t file) const { return _files[file]->text; }

    void Enter(const SdlFrame& frame);
    // The whole of a file.
    SdlFrame WholeFile(SdlFrame::Kind kind, size_t file) const;
    const PovToken& Peek();
    // The token after the next one, in the same frame.
    const PovToken& Second();
    PovToken Take();
    // The next token of the current frame without leaving it; an End token at its end.
    PovToken TakeInFrame();
    size_t FileIndex() const { return _frames.back()->frame.file; }
    // Where the next token of the current frame begins.
    SdlPlace Place();
    void JumpTo(const SdlPlace& place);
    size_t Depth() const { return _frames.size(); }
    size_t FramesOf(SdlFrame::Kind kind) const;
    int Line() const { return _line; }
    long Steps() const { return _steps; }
    void Count(long steps) { _steps += steps; }
    // Where the token begins in its file.
    size_t Offset(const PovToken& token) const;

    std::function<void(const SdlFrame&)> onLeave;

private:
    struct File {
        std::string name;
        std::string text;
    };
    struct Reading {
        SdlFrame frame;
        PovTokenizer tokenizer;
        std::deque<PovToken> ahead;
    };
    // The token that many places ahead in the current frame; an End token past its end.
    const PovToken& Ahead(size_t count);
    const PovToken& EndToken();

    std::vector<std::unique_ptr<File>> _files;
    std::vector<std::unique_ptr<Reading>> _frames;
    PovToken _end;
    int _line = 1;
    long _steps = 0;
};
