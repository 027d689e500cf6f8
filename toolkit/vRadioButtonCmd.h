#pragma once

#include "toolkit/vCheckBoxCmd.h"

// A radio button. Every radio button of the application is on one list, newest first; buttons
// with the same frame id in the same dialog or pane form a group with at most one set member.
class vRadioButtonCmd : public vCheckBoxCmd {
public:
    vRadioButtonCmd(vCmdParent* parent, ControlSpec* entry);
    ~vRadioButtonCmd() override;

    void BuildControl() override;
    void InitValue() override;
    void ChangeControl(int value, int aspect) override;
    void OnControlNotify(int id, int code) override;

    // The newest radio button of the application (for walking the list).
    static vRadioButtonCmd* First() { return _first; }
    vRadioButtonCmd* Next() const { return _next; }

private:
    // Clears the first other set member of the group; true when there was one.
    vRadioButtonCmd* ClearGroupMember();
    bool SameGroup(const vRadioButtonCmd& other) const;

    static inline vRadioButtonCmd* _first = nullptr;
    vRadioButtonCmd* _next = nullptr;
};
