#include "scenefile/ForeignSceneText.h"

#include <vector>

#include "scenefile/SceneKind.h"
#include "toolkit/util/Utf8Text.h"

namespace {

// A note shows the start of the line only: enough to recognise it.
constexpr size_t ShownCharacters = 40;

bool Blank(std::string_view text) {
    return text.find_first_not_of(" \t") == std::string_view::npos;
}

// The line up to its comment, without the blanks at its end.
std::string_view Code(std::string_view line) {
    std::string_view code = line.substr(0, line.find("//"));
    const size_t last = code.find_last_not_of(" \t");
    return last == std::string_view::npos ? std::string_view() : code.substr(0, last + 1);
}

std::vector<std::string_view> Lines(std::string_view bytes) {
    std::vector<std::string_view> lines;
    for (size_t start = 0; start < bytes.size();) {
        size_t end = bytes.find('\n', start);
        end = end == std::string_view::npos ? bytes.size() : end;
        std::string_view line = bytes.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        lines.push_back(line);
        start = end + 1;
    }
    return lines;
}

// An object's opening line: one kind's word, or a union's, and "{".
bool Opens(std::string_view code, std::string_view prefix) {
    if (code.substr(0, prefix.size()) != prefix) {
        return false;
    }
    const std::string_view rest = code.substr(prefix.size());
    if (rest == "union{") {
        return true;
    }
    for (const SceneKind& row : SceneKinds) {
        if (rest == std::string(row.name) + "{") {
            return true;
        }
    }
    return false;
}

bool Keyword(std::string_view code) {
    for (const char* word : {"linear_spline", "quadratic_spline", "cubic_spline", "bezier_spline",
                             "linear_sweep", "conic_sweep", "open", "sturm"}) {
        if (code == word) {
            return true;
        }
    }
    return false;
}

// Numbers, in any notation the reader takes, with the brackets and commas between them: the
// writer's point, header and count lines. No scene-language word can be made of these.
bool Numbers(std::string_view code) {
    return code.find_first_not_of("0123456789abcdefABCDEFxX+-.<>, \t") == std::string_view::npos;
}

// Follows the declaration's braces: true while the line is one the writer writes inside it.
class Declaration {
public:
    bool Take(std::string_view code) {
        if (code.empty() || Keyword(code) || Numbers(code)) {
            return true;
        }
        if (Opens(code, "")) {
            ++_depth;
            return true;
        }
        return Closes(code);
    }
    // After the reading stopped, only the braces that close what is open may follow.
    bool TakeAfterEnd(std::string_view code) { return code.empty() || Closes(code); }
    void Open() { _depth = 1; }

private:
    bool Closes(std::string_view code) {
        if (code != "}" || _depth == 0) {
            return false;
        }
        --_depth;
        return true;
    }

    int _depth = 0;
};

}  // namespace

ForeignSceneText ForeignSceneText::Find(std::string_view bytes, int stopLine) {
    const std::vector<std::string_view> lines = Lines(bytes);
    const int count = static_cast<int>(lines.size());
    auto found = [&](int i) { return ForeignSceneText{i + 1, std::string(lines[i])}; };
    int i = 0;
    for (; i < count && lines[i].find("//") != std::string_view::npos; ++i) {
        if (!Code(lines[i]).empty()) {
            return found(i);
        }
    }
    for (; i < count && lines[i].find('{') == std::string_view::npos; ++i) {
        if (!Blank(lines[i])) {
            return found(i);
        }
    }
    if (i == count) {
        return {};
    }
    if (!Opens(Code(lines[i]), "#declare Thing=")) {
        return found(i);
    }
    Declaration declaration;
    declaration.Open();
    for (++i; i < count; ++i) {
        const std::string_view code = Code(lines[i]);
        if (!(i < stopLine ? declaration.Take(code) : declaration.TakeAfterEnd(code))) {
            return found(i);
        }
    }
    return {};
}

std::string ForeignSceneText::Note() const {
    if (line == 0) {
        return "";
    }
    const size_t shown = Utf8Prefix(text.c_str(), ShownCharacters);
    return "line " + std::to_string(line) + " holds scene text the drawing does not keep: \"" +
           text.substr(0, shown) + (shown < text.size() ? " ..." : "") + "\"; Save leaves it out.";
}
