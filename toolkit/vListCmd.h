#pragma once

#include "toolkit/vCmd.h"

// The list kinds: a drop-down list, a list box, a slider and a spinner. Their value is the
// selected entry or the position; lists come from the entry's null-terminated string array.
class vListCmd : public vCmd {
public:
    vListCmd(vCmdParent* parent, ControlSpec* entry) : vCmd(parent, entry) {}

    void BuildControl() override;
    void ChangeControl(int value, int aspect) override;
    void OnControlNotify(int id, int code) override;
    void InitValue() override;
    void InitList() override;

private:
    const char* const* Entries() const { return static_cast<const char* const*>(_extra); }
    int EntryCount() const;
    int LongestEntry() const;
    bool HasList() const { return _kind != CtlSlider; }
};
