#pragma once

// What an image window reports to its owner.
class vImageWindowEvents {
public:
    virtual ~vImageWindowEvents() = default;

    // The user closed the window. The owner destroys it (it may do so from this call).
    virtual void ImageWindowClosed() = 0;
};
