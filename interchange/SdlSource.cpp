#include "interchange/SdlSource.h"

#include "interchange/PovTokenizer.h"

bool SdlSource::AddFile(const std::string& name, std::string text, size_t& index,
                        std::string& why) {
    auto file = std::make_unique<File>();
    file->name = name;
    file->text = std::move(text);
    PovTokenizer tokenizer(file->text);
    for (PovToken token = tokenizer.Next(); token.kind != PovToken::End; token = tokenizer.Next()) {
        file->tokens.push_back(token);
    }
    why = tokenizer.Error();
    index = _files.size();
    _files.push_back(std::move(file));
    return why.empty();
}

const PovToken& SdlSource::EndToken() {
    _end.line = _line;
    return _end;
}

const PovToken& SdlSource::Peek() {
    while (!_frames.empty()) {
        const SdlFrame& frame = _frames.back();
        if (frame.at < frame.end) {
            return Tokens(frame.file)[frame.at];
        }
        if (_frames.size() == 1) {
            break;
        }
        const SdlFrame left = frame;
        _frames.pop_back();
        if (onLeave) {
            onLeave(left);
        }
    }
    return EndToken();
}

const PovToken& SdlSource::Second() {
    Peek();
    const SdlFrame& frame = _frames.back();
    return frame.at + 1 < frame.end ? Tokens(frame.file)[frame.at + 1] : EndToken();
}

PovToken SdlSource::Take() {
    const PovToken token = Peek();
    if (token.kind != PovToken::End) {
        ++_frames.back().at;
        _line = token.line;
        ++_steps;
    }
    return token;
}

PovToken SdlSource::TakeInFrame() {
    SdlFrame& frame = _frames.back();
    if (frame.at >= frame.end) {
        return EndToken();
    }
    const PovToken token = Tokens(frame.file)[frame.at++];
    _line = token.line;
    ++_steps;
    return token;
}

size_t SdlSource::FramesOf(SdlFrame::Kind kind) const {
    size_t count = 0;
    for (const SdlFrame& frame : _frames) {
        count += frame.kind == kind ? 1 : 0;
    }
    return count;
}
