#pragma once

#include <array>
#include <string>
#include <vector>

#include "toolkit/ControlSpec.h"
#include "toolkit/vModalDialog.h"

// The modal dialog that asks which of a file's objects to import: one line for each in a
// drop-down list, the first one chosen to begin with.
class ImportChoiceDialog : public vModalDialog {
public:
    static constexpr const char* kTitle = "Import";

    // The question stands over the list.
    ImportChoiceDialog(vBaseWindow* parent, std::string question, std::vector<std::string> entries);

    // The index of the entry chosen, or -1 when cancelled.
    int Choose();

private:
    std::string _question;
    std::vector<std::string> _entries;
    // The entries as the list control takes them, ended by a null.
    std::vector<const char*> _list;
    std::array<ControlSpec, 5> _table;
};
