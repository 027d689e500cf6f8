#pragma once

#include "toolkit/vModalDialog.h"

// The modal dialog of a generated shape: its style, number of points, size, rotation and a
// style-dependent function value. OK clamps each value silently into its range.
class KScalModalDialog : public vModalDialog {
public:
    static constexpr const char* kTitle = "    Shapes";
    // Room for the 3-character reads and for the "%f" text of a clamped value ("2.000000").
    static constexpr int kShapeTextSize = 16;

    // The field texts, shared by the shape dialogs of every window for the whole run.
    static char pointsText[kShapeTextSize];
    static char sizeText[kShapeTextSize];
    static char rotateText[kShapeTextSize];
    static char functionText[kShapeTextSize];

    KScalModalDialog(vBaseWindow* parent, const char* title);

    void OnDialogCommand(int id, int value, int kind) override;
    void OnDialogShown() override;

    // Set from the texts at every OK before anything reads them.
    int shapePoints = 0;
    int shapeRotation = 0;
    int shapeStyle = 0;
    double shapeSize = 0.0;
    double shapeFunction = 0.0;

private:
    void EnableFunction(bool on);
    void AcceptValues();
};
