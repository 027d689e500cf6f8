#include "toolkit/platform/vWindowPlatform.h"

vWindowPlatform vWindowPlatform::_none;

bool vWindowPlatform::CreateFrame(const char*, int, int, vFrameEvents*) {
    return true;
}

void vWindowPlatform::FrameSize(int& width, int& height) {
    width = height = 0;
}

void vWindowPlatform::AppendMenuItem(vMenuHandle, int, const char*) {}
void vWindowPlatform::AppendSubmenu(vMenuHandle, vMenuHandle, const char*) {}
void vWindowPlatform::SetFrameMenu(vMenuHandle, int) {}

vWindowHandle vWindowPlatform::CreateChild(const char*, int, int, PixelSurface*, vWindowEvents*) {
    return nullptr;
}

void vWindowPlatform::SetChildTitle(vWindowHandle, const char*) {}
void vWindowPlatform::ShowChild(vWindowHandle, bool) {}

void vWindowPlatform::ChildPlacement(vWindowHandle, int& left, int& top, int& width, int& height) {
    left = top = width = height = 0;
}

void vWindowPlatform::MoveChild(vWindowHandle, int, int) {}

void vWindowPlatform::SetChildScrollBar(vWindowHandle, bool, bool, int, int) {}

int vWindowPlatform::StartTimer(int, TimerCallback) {
    return 0;
}

bool vWindowPlatform::WatchDescriptor(int, TimerCallback) {
    return false;
}

void vWindowPlatform::WarningBox(const char*, const char*) {}

bool vWindowPlatform::ShowHelp(vWindowHandle, const char*) {
    return false;
}

uint32_t vWindowPlatform::SystemColor(SystemColour which) {
    switch (which) {
        case ColourButtonShadow:
            return 0xa0a0a0;
        case ColourButtonHighlight:
            return 0xffffff;
        default:
            return 0xf0f0f0;
    }
}
