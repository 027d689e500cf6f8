#include "scenefile/BackgroundSidecar.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <iterator>
#include <sstream>

#include "io/BoundedFile.h"
#include "io/FileReplace.h"
#include "io/SaveFailure.h"
#include "model/NumberText.h"

namespace {

namespace fs = std::filesystem;

constexpr const char* Heading = "# Vexlin: the picture traced under the drawing beside this file";

fs::path FolderOf(const std::string& drawing) {
    return fs::absolute(fs::path(drawing)).lexically_normal().parent_path();
}

bool ReadPair(const std::string& text, double& x, double& y) {
    const size_t comma = text.find(',');
    double first = 0;
    double second = 0;
    if (comma == std::string::npos || !ReadNumber(text.substr(0, comma).c_str(), first) ||
        !ReadNumber(text.substr(comma + 1).c_str(), second)) {
        return false;
    }
    x = first;
    y = second;
    return true;
}

}  // namespace

std::string BackgroundSidecar::PathFor(const std::string& drawing) {
    return drawing + Extension;
}

std::string BackgroundSidecar::Text(const std::string& drawing) const {
    std::ostringstream out;
    out << Heading << "\n";
    if (!picture.empty()) {
        out << PictureText(drawing);
    }
    for (const double y : guides.horizontal) {
        out << "hguide=" << ShortestText(y) << "\n";
    }
    for (const double x : guides.vertical) {
        out << "vguide=" << ShortestText(x) << "\n";
    }
    return out.str();
}

std::string BackgroundSidecar::PictureText(const std::string& drawing) const {
    const fs::path absolute = fs::absolute(fs::path(picture)).lexically_normal();
    const fs::path folder = FolderOf(drawing);
    // Relative where the two share more than the root, so that a folder of drawings and
    // pictures can move whole; a picture elsewhere on the system keeps its place.
    const bool near = std::next(absolute.begin()) != absolute.end() &&
                      std::next(folder.begin()) != folder.end() &&
                      *std::next(absolute.begin()) == *std::next(folder.begin());
    const fs::path relative = near ? absolute.lexically_relative(folder) : fs::path();
    const BackgroundPlacement& p = placement;
    std::ostringstream out;
    out << "picture=" << (relative.empty() ? absolute : relative).string() << "\n"
        << "opacity=" << ShortestText(p.opacity) << "\n"
        << "width=" << ShortestText(p.width) << "\n"
        << "centre=" << ShortestText(p.centreX) << "," << ShortestText(p.centreY) << "\n"
        << "turns=" << p.quarterTurns << "\n"
        << "mirror=" << (p.mirrored ? 1 : 0) << "\n";
    return out.str();
}

bool BackgroundSidecar::Parse(const std::string& text, const std::string& drawing,
                              std::string& why) {
    BackgroundSidecar read;
    std::istringstream in(text);
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        const size_t equals = line.find('=');
        if (line.empty() || line[0] == '#' || equals == std::string::npos) {
            continue;
        }
        const std::string key = line.substr(0, equals);
        const std::string value = line.substr(equals + 1);
        BackgroundPlacement p = read.placement;
        double number = 0;
        if (key == "picture") {
            read.picture = value;
        } else if (key == "opacity" && ReadNumber(value.c_str(), number)) {
            p.opacity = number;
        } else if (key == "width" && ReadNumber(value.c_str(), number)) {
            p.width = number;
        } else if (key == "centre") {
            ReadPair(value, p.centreX, p.centreY);
        } else if (key == "turns" && ReadNumber(value.c_str(), number) &&
                   number == std::floor(number)) {
            p.quarterTurns = static_cast<int>(std::fmod(number, 4.0));
        } else if (key == "mirror" && (value == "0" || value == "1")) {
            p.mirrored = value == "1";
        } else if ((key == "hguide" || key == "vguide") && ReadNumber(value.c_str(), number)) {
            read.guides.Add(key == "hguide", number);
        }
        if (p.Valid()) {
            read.placement = p;
        }
    }
    if (read.picture.empty() && read.guides.Empty()) {
        why = "it names no picture and no guide";
        return false;
    }
    const fs::path named(read.picture);
    if (!read.picture.empty()) {
        read.picture =
            (named.is_absolute() ? named : FolderOf(drawing) / named).lexically_normal().string();
    }
    *this = read;
    return true;
}

bool BackgroundSidecar::Write(const std::string& drawing, std::string& why) const {
    const std::string path = PathFor(drawing);
    if (picture.find_first_of("\r\n") != std::string::npos) {
        why = "the picture's name holds a line break";
        return false;
    }
    if (!ReplaceFileContents(path.c_str(), Text(drawing))) {
        why = SaveFailureReason(path, errno);
        return false;
    }
    return true;
}

BackgroundSidecar::ReadResult BackgroundSidecar::Read(const std::string& drawing,
                                                      std::string& why) {
    const std::string path = PathFor(drawing);
    std::error_code error;
    if (!fs::exists(path, error)) {
        return NoSidecar;
    }
    std::string text;
    if (!BoundedFile::Read(path.c_str(), BoundedFile::SmallLimit, text, why)) {
        return SidecarDamaged;
    }
    return Parse(text, drawing, why) ? SidecarRead : SidecarDamaged;
}

bool BackgroundSidecar::Remove(const std::string& drawing) {
    std::error_code error;
    fs::remove(PathFor(drawing), error);
    return !fs::exists(PathFor(drawing), error);
}
