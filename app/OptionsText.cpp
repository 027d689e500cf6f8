#include "app/OptionsText.h"

#include <cstdio>
#include <cstdlib>
#include <sstream>

#include "model/NumberText.h"

namespace {

constexpr const char* kSnap = "snap-to-grid";
constexpr const char* kSpacing = "grid-spacing";
constexpr const char* kCurves = "povray-curves";
constexpr const char* kProportions = "keep-proportions";

bool ParseFlag(const std::string& value, bool& flag) {
    if (value != "0" && value != "1") {
        return false;
    }
    flag = value == "1";
    return true;
}

bool ParseSpacing(const std::string& value, double& spacing) {
    double parsed = 0;
    if (!ReadNumber(value.c_str(), parsed) || !CanvasOptions::ValidSpacing(parsed)) {
        return false;
    }
    spacing = parsed;
    return true;
}

bool ParseLine(const std::string& line, CanvasOptions& options) {
    const size_t equals = line.find('=');
    if (equals == std::string::npos) {
        return line.empty();
    }
    const std::string name = line.substr(0, equals);
    const std::string value = line.substr(equals + 1);
    if (name == kSnap) {
        return ParseFlag(value, options.snapToGrid);
    }
    if (name == kCurves) {
        return ParseFlag(value, options.exactCurves);
    }
    if (name == kProportions) {
        return ParseFlag(value, options.keepProportions);
    }
    if (name == kSpacing) {
        return ParseSpacing(value, options.gridSpacing);
    }
    return true;
}

}  // namespace

CanvasOptions OptionsText::Parse(const std::string& text) {
    CanvasOptions options;
    std::istringstream lines(text);
    std::string line;
    while (std::getline(lines, line)) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        if (!ParseLine(line, options)) {
            return CanvasOptions{};
        }
    }
    return options;
}

std::string OptionsText::Compose(const CanvasOptions& options) {
    const std::string spacing = ShortestText(options.gridSpacing);
    std::string text = std::string(kSnap) + "=" + (options.snapToGrid ? "1" : "0") + "\n" +
                       kSpacing + "=" + spacing + "\n" + kCurves + "=" +
                       (options.exactCurves ? "1" : "0") + "\n";
    // Off, the line is left out: the file is then the one earlier versions wrote, and a file
    // without it reads as off.
    if (options.keepProportions) {
        text += std::string(kProportions) + "=1\n";
    }
    return text;
}
