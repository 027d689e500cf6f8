#pragma once

#include <array>

#include "toolkit/vYNReplyDialog.h"

// A question whose answers are named for what they do (" Overwrite ", " Save as... "), laid out
// as the yes-or-no question: the first answer is the default, the last is what Escape and the
// close box give. Each object keeps its own table, so the shared yes-or-no table keeps its
// labels.
class vChoiceDialog : public vYNReplyDialog {
public:
    // `middle` may be null for a question with two answers.
    vChoiceDialog(vBaseWindow* owner, const char* caption, const char* first, const char* middle,
                  const char* last);

    // 1 for the first answer, 0 for the middle one, -1 for the last, Escape or the close box.
    int Ask(const char* question);

private:
    std::array<ControlSpec, TableEntries> _table;
    bool _added = false;
};
