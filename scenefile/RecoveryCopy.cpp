#include "scenefile/RecoveryCopy.h"

#include <cstdio>
#include <cstdlib>
#include <sstream>

#include "model/KCanvasPane.h"
#include "model/NumberText.h"
#include "scenefile/SceneKind.h"

namespace {

constexpr const char* FirstLine = "Vexlin recovery copy";
// Far beyond any drawing's text: a longer count is no copy of ours.
constexpr size_t LongestText = 64u << 20;

// A text of any bytes, newlines included: its length, a blank, the bytes and a newline.
void PutText(std::ostringstream& out, const char* key, const std::string& text) {
    out << key << ' ' << text.size() << ' ' << text << '\n';
}

bool Within(int value, int most) {
    return value >= 0 && value <= most;
}

class CopyReader {
public:
    explicit CopyReader(const std::string& text) : _text(text) {}

    bool Line(std::string& line) {
        const size_t end = _text.find('\n', _at);
        if (end == std::string::npos) {
            return false;
        }
        line = _text.substr(_at, end - _at);
        _at = end + 1;
        return true;
    }
    bool Key(const char* key) {
        const std::string word = std::string(key) + ' ';
        if (_text.compare(_at, word.size(), word) != 0) {
            return false;
        }
        _at += word.size();
        return true;
    }
    bool Text(const char* key, std::string& text) {
        std::string count;
        if (!Key(key) || !Word(count)) {
            return false;
        }
        const size_t size = std::strtoull(count.c_str(), nullptr, 10);
        if (size > LongestText || _text.size() - _at < size + 1 || _text[_at + size] != '\n') {
            return false;
        }
        text = _text.substr(_at, size);
        _at += size + 1;
        return true;
    }
    bool Number(const char* key, int& value) {
        std::string line;
        if (!Key(key) || !Line(line) || line.empty() ||
            line.find_first_not_of("0123456789") != std::string::npos || line.size() > 6) {
            return false;
        }
        value = std::atoi(line.c_str());
        return true;
    }
    bool Values(PrismValues& values) {
        std::string line;
        if (!Key("values") || !Line(line)) {
            return false;
        }
        std::istringstream fields(line);
        std::string start;
        std::string end;
        fields >> start >> end >> values.spline >> values.sweep >> values.sturm >> values.open;
        return !fields.fail() && ReadNumber(start.c_str(), values.start) &&
               ReadNumber(end.c_str(), values.end) && Within(values.spline, BezierSpline) &&
               Within(values.sweep, ConicSweep) && Within(values.sturm, 1) &&
               Within(values.open, 1);
    }
    bool AtEnd() const { return _at == _text.size(); }

private:
    bool Word(std::string& word) {
        const size_t blank = _text.find(' ', _at);
        if (blank == std::string::npos || blank == _at || blank - _at > 20) {
            return false;
        }
        word = _text.substr(_at, blank - _at);
        _at = blank + 1;
        return word.find_first_not_of("0123456789") == std::string::npos;
    }

    const std::string& _text;
    size_t _at = 0;
};

}  // namespace

void RecoveryCopy::TakeDrawing(const KCanvasPane& canvas, int drawingKind) {
    kind = drawingKind;
    int written = drawingKind;
    // The refusal is the writer's, for a file; the copy keeps what the drawing is.
    canvas.SceneFileText("", FilterOfKind(drawingKind), scene, written);
}

std::string RecoveryCopy::Text() const {
    std::ostringstream out;
    out << FirstLine << '\n';
    PutText(out, "title", title);
    PutText(out, "file", fileName);
    out << "kind " << kind << "\nfilter " << filter << "\nvalues " << ShortestText(values.start)
        << ' ' << ShortestText(values.end) << ' ' << values.spline << ' ' << values.sweep << ' '
        << values.sturm << ' ' << values.open << '\n';
    PutText(out, "scene", scene);
    return out.str();
}

bool RecoveryCopy::Parse(const std::string& text, RecoveryCopy& copy) {
    CopyReader in(text);
    std::string first;
    RecoveryCopy read;
    const bool whole = in.Line(first) && first == FirstLine && in.Text("title", read.title) &&
                       in.Text("file", read.fileName) && in.Number("kind", read.kind) &&
                       in.Number("filter", read.filter) && in.Values(read.values) &&
                       in.Text("scene", read.scene) && in.AtEnd();
    if (!whole || read.kind >= SceneKindCount) {
        return false;
    }
    copy = read;
    return true;
}
