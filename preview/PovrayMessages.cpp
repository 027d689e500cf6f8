#include "preview/PovrayMessages.h"

#include <algorithm>
#include <sstream>
#include <vector>

const char* const PovrayRefusedMessage = "POV-Ray cannot render the drawing as it stands.\n";
const char* const NotFiniteMessage =
    "The drawing holds a number too large to be written: it cannot be saved, and POV-Ray cannot "
    "render it.\n";
const char* const BrokenRulesMessage =
    "The drawing breaks POV-Ray's rules: it cannot be saved, and POV-Ray would refuse it or warn "
    "about it.\n";

namespace {

struct Kind {
    const char* label;
    const char* plain;
};

// Longest first: "Possible Parse Error" must not be taken for "Parse Error".
const Kind Kinds[] = {
    {"Possible Parse Error: ", "Error"},
    {"Parse Error: ", "Error"},
    {"Parse Warning: ", "Warning"},
    {"Fatal error in parser: ", ""},
    {"Render failed", ""},
    {"Warning: ", "Warning"},
    {"Error: ", "Error"},
};

// Lines POV-Ray continues with a leading blank belong to the line before.
std::vector<std::string> JoinedLines(const std::string& output) {
    std::vector<std::string> lines;
    std::istringstream in(output);
    std::string line;
    while (std::getline(in, line)) {
        line.erase(std::remove(line.begin(), line.end(), '\r'), line.end());
        if (!line.empty() && line[0] == ' ' && !lines.empty()) {
            lines.back() += line;
        } else {
            lines.push_back(line);
        }
    }
    return lines;
}

// "File 'drawing.prm' line 7: " before the message: which line, and whether of the drawing.
std::string Place(const std::string& prefix, const std::string& drawingFile) {
    const std::string drawingPlace = "File '" + drawingFile + "' line ";
    if (prefix.compare(0, drawingPlace.size(), drawingPlace) == 0) {
        std::string line = prefix.substr(drawingPlace.size());
        line.erase(line.find_last_not_of(": ") + 1);
        return " in line " + line;
    }
    return "";
}

// One message in plain words; "" for any other line and for those that only say the render
// ended.
std::string Plain(const std::string& line, const std::string& drawingFile) {
    for (const Kind& kind : Kinds) {
        size_t at = line.find(kind.label);
        if (at == std::string::npos) {
            continue;
        }
        if (*kind.plain == '\0') {
            return "";
        }
        std::string text = line.substr(at + std::char_traits<char>::length(kind.label));
        return std::string(kind.plain) + Place(line.substr(0, at), drawingFile) + ": " + text;
    }
    return "";
}

}  // namespace

std::string PlainPovrayMessages(const std::string& output, const std::string& drawingFile) {
    std::vector<std::string> said;
    std::string messages;
    for (const std::string& line : JoinedLines(output)) {
        std::string plain = Plain(line, drawingFile);
        if (!plain.empty() && std::find(said.begin(), said.end(), plain) == said.end()) {
            said.push_back(plain);
            messages += plain + "\n";
        }
    }
    return messages;
}

std::string MissingPovrayMessage(const std::string& program) {
    return "POV-Ray is not installed: there is no program \"" + program +
           "\" on the search path (PATH), so nothing can be rendered.\n"
           "Install the Debian package povray (as root: apt-get install povray); the preview "
           "renders as soon as it is there.\n";
}
