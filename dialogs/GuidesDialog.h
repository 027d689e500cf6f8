#pragma once

#include <functional>
#include <optional>

#include "model/GuideLines.h"
#include "toolkit/vModalDialog.h"

// The modal dialog of View > Guides: the positions of the horizontal guides (y) and of the
// vertical ones (x) in file units, each a list of numbers apart by commas or blanks. Typing a
// number adds a guide, changing one moves it, deleting one removes it. While both lists read
// it hands the guides to `changed`, so that the canvas shows them before OK; OK takes them when
// both read, otherwise the line under a list that will not do says what is wanted.
class GuidesDialog : public vModalDialog {
public:
    static constexpr const char* kTitle = "Guides";

    GuidesDialog(vBaseWindow* parent, const GuideLines& guides);

    void OnDialogCommand(int id, int value, int kind) override;
    void OnDialogShown() override;

    GuideLines guides;
    std::function<void(const GuideLines&)> changed;

private:
    // The guides the lists give; with `tell`, each list that will not do says so.
    std::optional<GuideLines> ReadLists(bool tell);
};
