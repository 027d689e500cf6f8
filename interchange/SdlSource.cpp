#include "interchange/SdlSource.h"

bool SdlSource::AddFile(const std::string& name, std::string text, size_t& index,
                        std::string& why) {
    auto file = std::make_unique<File>();
    file->name = name;
    file->text = std::move(text);
    PovTokenizer tokenizer(file->text);
    while (tokenizer.Next().kind != PovToken::End) {
    }
    why = tokenizer.Error();
    index = _files.size();
    _files.push_back(std::move(file));
    return why.empty();
}

SdlFrame SdlSource::WholeFile(SdlFrame::Kind kind, size_t file) const {
    return {kind, file, {0, 1}, Text(file).size()};
}

void SdlSource::Enter(const SdlFrame& frame) {
    _frames.push_back(std::unique_ptr<Reading>(
        new Reading{frame, PovTokenizer(Text(frame.file), frame.from.at, frame.from.line), {}}));
}

size_t SdlSource::Offset(const PovToken& token) const {
    return static_cast<size_t>(token.text.data() - Text(FileIndex()).data());
}

const PovToken& SdlSource::EndToken() {
    _end.line = _line;
    return _end;
}

const PovToken& SdlSource::Ahead(size_t count) {
    Reading& reading = *_frames.back();
    while (reading.ahead.size() <= count) {
        reading.ahead.push_back(reading.tokenizer.Next());
    }
    const PovToken& token = reading.ahead[count];
    return token.kind == PovToken::End || Offset(token) >= reading.frame.end ? EndToken() : token;
}

const PovToken& SdlSource::Peek() {
    while (!_frames.empty()) {
        const PovToken& token = Ahead(0);
        if (token.kind != PovToken::End || _frames.size() == 1) {
            return token;
        }
        const SdlFrame left = _frames.back()->frame;
        _frames.pop_back();
        if (onLeave) {
            onLeave(left);
        }
    }
    return EndToken();
}

const PovToken& SdlSource::Second() {
    Peek();
    return Ahead(1);
}

PovToken SdlSource::Take() {
    const PovToken token = Peek();
    if (token.kind != PovToken::End) {
        _frames.back()->ahead.pop_front();
        _line = token.line;
        ++_steps;
    }
    return token;
}

PovToken SdlSource::TakeInFrame() {
    const PovToken token = Ahead(0);
    if (token.kind != PovToken::End) {
        _frames.back()->ahead.pop_front();
        _line = token.line;
        ++_steps;
    }
    return token;
}

SdlPlace SdlSource::Place() {
    const PovToken& token = Ahead(0);
    if (token.kind == PovToken::End) {
        return {_frames.back()->frame.end, _line};
    }
    return {Offset(token), token.line};
}

void SdlSource::JumpTo(const SdlPlace& place) {
    const SdlFrame frame = _frames.back()->frame;
    _frames.back() = std::unique_ptr<Reading>(
        new Reading{frame, PovTokenizer(Text(frame.file), place.at, place.line), {}});
}

size_t SdlSource::FramesOf(SdlFrame::Kind kind) const {
    size_t count = 0;
    for (const auto& reading : _frames) {
        count += reading->frame.kind == kind ? 1 : 0;
    }
    return count;
}
