#pragma once

#include <functional>
#include <string>

#include "model/BackgroundPlacement.h"
#include "toolkit/vModalDialog.h"

// The modal dialog of a picture to trace: its opacity in percent, its width and centre in file
// units, its quarter turns and mirror, and a button that takes another picture. Every change
// of a field that reads as a placement is shown on the canvas at once; Cancel shows the
// placement it started from again.
class BackgroundDialog : public vModalDialog {
public:
    static constexpr const char* kTitle = "    Background picture";

    struct Hooks {
        // Shows the placement on the canvas.
        std::function<void(const BackgroundPlacement&)> preview;
        // Asks for another picture and takes it: true with its name, false when none was taken.
        std::function<bool(std::string& name)> choosePicture;
    };

    BackgroundDialog(vBaseWindow* parent, Hooks hooks);

    // Runs the dialog from the placement of the picture of that name; true, with the placement
    // chosen, when it was closed with OK.
    bool Choose(const std::string& pictureName, BackgroundPlacement& placement);

    void OnDialogCommand(int id, int value, int kind) override;
    void OnDialogShown() override;

private:
    // The placement the fields give; false, with the reason, when one of them is out of range.
    bool ReadFields(BackgroundPlacement& placement, std::string& why);
    void ShowName();
    void Notify(const char* message);

    Hooks _hooks;
    std::string _name;
    BackgroundPlacement _start;
    BackgroundPlacement _chosen;
};
