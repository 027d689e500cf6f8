#pragma once

#include <functional>
#include <string>

#include "model/TraceValues.h"
#include "toolkit/vModalDialog.h"

// The modal dialog of a picture to trace: the picture (with a button that takes another), the
// threshold, the specks left out, the smoothing and whether light is ink. Every change that
// reads as values is handed on at once, so that the drawing window can show the trace; a line
// under the fields says what the latest trace gave.
class TraceDialog : public vModalDialog {
public:
    static constexpr const char* kTitle = "    Trace picture";

    struct Hooks {
        // The values have changed.
        std::function<void(const TraceValues&)> changed;
        // Asks for another picture and takes it: true with its name, false when none was taken.
        std::function<bool(std::string& name)> choosePicture;
    };

    TraceDialog(vBaseWindow* parent, Hooks hooks);

    // Runs the dialog from the values, for the picture of that name; true, with the values
    // chosen, when it was closed with OK.
    bool Choose(const std::string& pictureName, TraceValues& values);
    // Shows what the latest trace gave, or why it gave nothing; while a field is wrong, what is
    // wrong with it stays shown instead.
    void ShowOutcome(const std::string& text);

    void OnDialogCommand(int id, int value, int kind) override;
    void OnDialogShown() override;

private:
    // The values the fields give; false, with the reason, when one of them is out of range.
    bool ReadFields(TraceValues& values, std::string& why);
    void ShowName();
    // Hands on the values the fields read as, or says what is wrong with them.
    void Changed();

    Hooks _hooks;
    std::string _name;
    TraceValues _chosen;
};
