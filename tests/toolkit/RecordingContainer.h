#pragma once

#include <string>
#include <vector>

#include "toolkit/vCmd.h"
#include "toolkit/vCmdParent.h"

// A control container that keeps every command it is sent as "id,value,kind".
class RecordingContainer : public vCmdParent {
public:
    explicit RecordingContainer(int role = RoleDialog) : vCmdParent(role, 7) {
        StartTemplate(0, 10, 25, "Test");
    }

    std::vector<std::string> commands;

    void OnControlCommand(int id, int value, int kind) override {
        commands.push_back(std::to_string(id) + "," + std::to_string(value) + "," +
                           std::to_string(kind));
    }

    // Sends a notification to the control with the id, as its window would.
    void Notify(int id, int code) { OnItemNotify(FindControl(id)->Item(), code); }

    // The rectangle of a control as "x,y,w,h".
    std::string Rect(int id) const {
        const vCmd* c = FindControl(id);
        return std::to_string(c->X()) + "," + std::to_string(c->Y()) + "," +
               std::to_string(c->Width()) + "," + std::to_string(c->Height());
    }
};
