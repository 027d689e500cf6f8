#pragma once

#include <string>

#include "model/BackgroundPlacement.h"
#include "model/GuideLines.h"

// A drawing's picture to trace and its guides, remembered in a small text file beside the
// drawing: the drawing's file name with ".vexlin-bg" appended. The picture's path is kept
// relative to the drawing's folder, so that a folder moved whole keeps its pictures. Either may
// be missing, not both; a file without guides is written as it was before guides.
struct BackgroundSidecar {
    static constexpr const char* Extension = ".vexlin-bg";

    std::string picture;  // as the program opens it: absolute, or relative to the working folder
    BackgroundPlacement placement;
    GuideLines guides;

    static std::string PathFor(const std::string& drawing);

    // The file's text for a drawing saved under that name, and the reading of such a text; a
    // line not understood, or a value out of its range, keeps the default. False, with the
    // reason, when the text names no picture and no guide.
    std::string Text(const std::string& drawing) const;
    bool Parse(const std::string& text, const std::string& drawing, std::string& why);
    // The picture's lines of the text.
    std::string PictureText(const std::string& drawing) const;

    // Written through the safe save; false, with the reason, when it cannot be.
    bool Write(const std::string& drawing, std::string& why) const;
    enum ReadResult { NoSidecar, SidecarRead, SidecarDamaged };
    ReadResult Read(const std::string& drawing, std::string& why);
    // Removes the drawing's sidecar, if it has one; false when one stays.
    static bool Remove(const std::string& drawing);

    bool operator==(const BackgroundSidecar& other) const {
        return picture == other.picture && placement == other.placement && guides == other.guides;
    }
};
