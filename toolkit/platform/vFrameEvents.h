#pragma once

// What the frame window reports to the toolkit.
class vFrameEvents {
public:
    virtual ~vFrameEvents() = default;

    // A menu item was chosen (the frame's own menu or the active child's).
    virtual void FrameCommand(int id) = 0;
    // The close box; the toolkit decides whether the frame goes.
    virtual void FrameCloseRequest() = 0;
    // The frame changed size: panes and the child windows' area are laid out again.
    virtual void FrameResized() = 0;
    virtual void FrameFileDropped(const char* path) = 0;
};
