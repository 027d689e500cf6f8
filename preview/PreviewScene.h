#pragma once

#include <string>

class KCanvasPane;

// A drawing as the preview renders it: exactly the text the window's Save would write, and the
// kind written.
struct PreviewScene {
    std::string text;
    bool prism = false;
    // False when the writer would refuse the drawing: a number in it is not finite.
    bool finite = true;

    // The scene of the canvas saved under fileName with the kind choice of the file dialogs;
    // changes nothing.
    static PreviewScene Of(const KCanvasPane& canvas, const char* fileName, int kindChoice);

    bool operator==(const PreviewScene& other) const {
        return text == other.text && prism == other.prism && finite == other.finite;
    }
    bool operator!=(const PreviewScene& other) const { return !(*this == other); }
};
